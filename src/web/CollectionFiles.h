#pragma once

#include "ContentFolder.h"
#include "ServedFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

namespace corvanel::web {

// The files of the collection's content folder that the site serves: only
// the kinds pages are made of, by relative paths with no "..", no absolute
// or backslashed names and no folders, and only inside the folder once links
// are followed (the core's ContentFolder, the desktop's own rule).
class CollectionFiles {
public:
    explicit CollectionFiles(corvanel::ContentFolder folder) : folder_(std::move(folder)) {}

    // The file at a relative path ("textos/12.htm"); none when the path is
    // unsafe or names no regular file inside the folder.
    std::optional<QString> filePath(const QString& relativePath) const;
    // A file filePath() gave, opened to be sent as it is, or read whole;
    // none (closed) when it is no longer a regular file of a size served.
    static ServedFile open(const QString& checkedPath);
    static std::optional<QByteArray> read(const QString& checkedPath);

    // The content type a file is served with (pages keep the charset they
    // declare); empty for a kind of file never served.
    static QByteArray contentTypeOf(const QString& path);

private:
    corvanel::ContentFolder folder_;
};

}  // namespace corvanel::web
