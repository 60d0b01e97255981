#pragma once

#include <QString>

namespace corvanel::collection {

// Throws BuildError unless outputPath is a regular file or does not exist
// yet: a symbolic link, folder, device, FIFO or socket is never replaced.
void requireReplaceableOutput(const QString& outputPath);

// Throws BuildError when outputPath is the catalogue or one of the pages in
// contentDir/textos: the same file by device and inode, whatever the names.
void requireOutputApartFromInputs(const QString& outputPath, const QString& cataloguePath,
                                  const QString& contentDir);

// What a build writes into: a temporary file beside the output, named
// "<output>.corvanel-incompleto-XXXXXX", which takes the output's place only
// on replaceOutput(). Until then it goes away with this object, or when the
// process gets SIGINT, SIGTERM or SIGHUP; one left by a build killed
// outright is removed when the next build of the same output starts. Every
// call throws BuildError.
class OutputFile {
public:
    explicit OutputFile(const QString& outputPath);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const QString& temporaryPath() const { return temporaryPath_; }

    // Renames the temporary file over the output, in one step.
    void replaceOutput();

private:
    void release();

    QString shownPath_;  // as given, for messages
    QString outputPath_;
    QString temporaryPath_;
    int lock_ = -1;  // the temporary file, locked for as long as it is ours
    int signalSlot_ = -1;
};

}  // namespace corvanel::collection
