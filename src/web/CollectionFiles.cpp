#include "CollectionFiles.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace corvanel::web {

namespace {

// Pages and their pictures; nothing of a collection comes near it.
constexpr qint64 kLargestFile = qint64{64} * 1024 * 1024;

bool isSafeRelative(const QString& path) {
    if (path.isEmpty() || path.startsWith(u'/') || path.contains(u'\\') ||
        path.contains(QChar(0)) || path.contains(u':')) {
        return false;
    }
    for (const QStringView part : QStringView(path).split(u'/')) {
        if (part.isEmpty() || part == u"." || part == u"..") {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<QString> CollectionFiles::filePath(const QString& relativePath) const {
    if (!folder_.isValid() || !isSafeRelative(relativePath)) {
        return std::nullopt;
    }
    // Links are followed and the target must still lie inside.
    const QString canonical =
        QFileInfo(QDir(folder_.path()).filePath(relativePath)).canonicalFilePath();
    // Only the kinds of file pages are made of: never the database or the marker file.
    if (canonical.isEmpty() || !folder_.containsPath(canonical) || !QFileInfo(canonical).isFile() ||
        contentTypeOf(canonical).isEmpty()) {
        return std::nullopt;
    }
    return canonical;
}

ServedFile CollectionFiles::open(const QString& checkedPath) {
    // The path has its links resolved: a link put in its place since is not followed.
    ServedFile file(
        ::open(QFile::encodeName(checkedPath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW), 0);
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.descriptor(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > kLargestFile) {
        return {};
    }
    return {file.release(), static_cast<std::uint64_t>(status.st_size)};
}

std::optional<QByteArray> CollectionFiles::read(const QString& checkedPath) {
    const ServedFile file = open(checkedPath);
    QFile reader;
    if (!file.isOpen() ||
        !reader.open(file.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return std::nullopt;
    }
    return reader.readAll();
}

QByteArray CollectionFiles::contentTypeOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    struct Type {
        QStringView suffix;
        const char* type;
    };
    static constexpr Type kTypes[] = {
        {u"htm", "text/html"},       {u"html", "text/html"}, {u"css", "text/css"},
        {u"js", "text/javascript"},  {u"jpg", "image/jpeg"}, {u"jpeg", "image/jpeg"},
        {u"gif", "image/gif"},       {u"png", "image/png"},  {u"svg", "image/svg+xml"},
        {u"pdf", "application/pdf"}, {u"txt", "text/plain"}, {u"ico", "image/x-icon"},
    };
    for (const Type& type : kTypes) {
        if (type.suffix == suffix) {
            return type.type;
        }
    }
    return {};
}

}  // namespace corvanel::web
