#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace corvanel::web {

// Reads files of the collection's folder and nothing else: no "..", no
// absolute or backslashed names, no link that leads out, no folders.
class ContentFolder {
public:
    explicit ContentFolder(const QString& folder);

    // The file at a relative path ("textos/12.htm"); none when the path is
    // unsafe or names no regular file inside the folder.
    std::optional<QString> filePath(const QString& relativePath) const;
    std::optional<QByteArray> read(const QString& relativePath) const;

    // The content type a file is served with (pages keep the charset they
    // declare); empty for a kind of file never served.
    static QByteArray contentTypeOf(const QString& path);

private:
    QString root_;  // canonical, ending in '/'; empty when the folder does not exist
};

}  // namespace corvanel::web
