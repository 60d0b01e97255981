#include "CollectionFolder.h"

#include "ContentAddress.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel {

namespace {

// The real path of a file, links resolved; a file that does not exist keeps
// its cleaned path, which still says where it would be.
QString realPath(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

}  // namespace

CollectionFolder CollectionFolder::fromContentRoot(const QString& root) {
    if (root.trimmed().isEmpty()) {
        return {};
    }
    QString folder = ContentAddress::localFolder(root);
    // As the page browser reads a page address: from the root of the file
    // system, never from the working folder.
    if (QDir::isRelativePath(folder)) {
        folder.prepend(u'/');
    }
    return CollectionFolder(realPath(folder));
}

bool CollectionFolder::contains(const QUrl& url) const {
    if (path_.isEmpty() || !url.isLocalFile()) {
        return false;
    }
    const QString file = realPath(url.toLocalFile());
    if (file.compare(path_, kPathCase) == 0) {
        return true;
    }
    const QString prefix = path_.endsWith(u'/') ? path_ : path_ + u'/';
    return file.startsWith(prefix, kPathCase);
}

}  // namespace corvanel
