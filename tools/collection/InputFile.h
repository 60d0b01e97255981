#pragma once

#include <QByteArray>
#include <QString>

namespace corvanel::collection {

// Why an input file could not be read: the words that finish
// "a página \"x\" ...", in Portuguese.
struct UnreadableFile {
    QString reason;
    bool missing = false;
};

// Reads the whole regular file at path (links followed). A folder, FIFO,
// device or socket is refused before it is opened, so a FIFO never blocks the
// build and a device is never read. Throws UnreadableFile.
QByteArray readRegularFile(const QString& path);

}  // namespace corvanel::collection
