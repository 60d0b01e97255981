#include "ContentFolder.h"

#include "ContentAddress.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace corvanel {

namespace {

constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

constexpr QStringView kPagesFolder = u"textos";
constexpr QStringView kPageSuffix = u".htm";

// A name of one file in its folder: nothing that climbs or names a folder.
bool isPlainFileName(QStringView name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(u':') && !name.contains(QChar(0));
}

bool isSameOrUnder(const QString& path, QStringView folder) {
    if (path.compare(folder, kPathCase) == 0) {
        return true;
    }
    return folder.endsWith(u'/') ? path.startsWith(folder, kPathCase)
                                 : path.size() > folder.size() && path.at(folder.size()) == u'/' &&
                                       path.startsWith(folder, kPathCase);
}

}  // namespace

QString resolvedPath(const QString& path) {
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (true) {
        const QFileInfo info(existing);
        const QString real = info.canonicalFilePath();
        if (!real.isEmpty()) {
            return rest.isEmpty() ? real : QDir::cleanPath(real + u'/' + rest);
        }
        // A link that leads nowhere leads nowhere we could check.
        if (info.isSymLink()) {
            return {};
        }
        const qsizetype separator = existing.lastIndexOf(u'/');
        if (separator < 0) {
            return {};
        }
        const QString name = existing.mid(separator + 1);
        rest = rest.isEmpty() ? name : name + u'/' + rest;
        existing = separator == 0 ? QStringLiteral("/") : existing.left(separator);
    }
}

bool isSystemFolder(const QString& realPath) {
#ifdef Q_OS_WIN
    return QDir(realPath).isRoot() ||
           isSameOrUnder(realPath,
                         QDir::fromNativeSeparators(qEnvironmentVariable("SystemRoot"))) ||
           realPath.compare(QDir::homePath(), kPathCase) == 0;
#else
    // Neither these nor anything under them.
    static constexpr std::array<QStringView, 17> kWhole{
        u"/etc",     u"/proc",     u"/sys",     u"/dev",         u"/boot",    u"/bin",
        u"/sbin",    u"/lib",      u"/lib32",   u"/lib64",       u"/libx32",  u"/root",
        u"/usr/bin", u"/usr/sbin", u"/usr/lib", u"/usr/libexec", u"/var/lib",
    };
    // These themselves; a collection may well lie under them.
    static constexpr std::array<QStringView, 13> kItself{
        u"/",    u"/usr", u"/usr/share", u"/usr/local", u"/var", u"/home",      u"/tmp",
        u"/opt", u"/srv", u"/mnt",       u"/media",     u"/run", u"/run/media",
    };
    for (const QStringView folder : kWhole) {
        if (isSameOrUnder(realPath, folder)) {
            return true;
        }
    }
    for (const QStringView folder : kItself) {
        if (realPath == folder) {
            return true;
        }
    }
    return realPath == QDir::homePath() || isSameOrUnder(realPath, u"/run/user");
#endif
}

ContentFolder ContentFolder::fromRoot(const QString& root) {
    if (root.trimmed().isEmpty()) {
        return {};
    }
    QString folder = ContentAddress::localFolder(root);
    if (QDir::isRelativePath(folder)) {
        folder.prepend(u'/');
    }
    const QFileInfo info(folder);
    const QString real = info.canonicalFilePath();
    if (real.isEmpty() || !QFileInfo(real).isDir() || isSystemFolder(real)) {
        return {};
    }
    return ContentFolder(real);
}

QString ContentFolder::rootText() const {
    return path_.isEmpty() ? QString() : path_ + u'/';
}

bool ContentFolder::containsPath(const QString& path) const {
    if (path_.isEmpty() || path.isEmpty()) {
        return false;
    }
    const QString real = resolvedPath(QDir::isRelativePath(path) ? u'/' + path : path);
    return !real.isEmpty() && isSameOrUnder(real, path_);
}

bool ContentFolder::contains(const QUrl& url) const {
    return url.isLocalFile() && containsPath(url.toLocalFile());
}

std::optional<ContentFile> ContentFolder::file(QStringView subfolder, const QString& name) const {
    if (path_.isEmpty() || !isPlainFileName(name)) {
        return std::nullopt;
    }
    QDir folder(path_);
    if (!subfolder.isEmpty()) {
        folder.setPath(folder.filePath(subfolder.toString()));
    }
    const QString real = resolvedPath(folder.filePath(name));
    if (real.isEmpty() || !isSameOrUnder(real, path_)) {
        return std::nullopt;
    }
    return ContentFile{real, QUrl::fromLocalFile(real)};
}

std::optional<ContentFile> ContentFolder::markerFile() const {
    return file({}, ContentAddress::kMarkerFileName.toString());
}

std::optional<ContentFile> ContentFolder::startPage() const {
    return file({}, ContentAddress::kStartPage.toString());
}

std::optional<ContentFile> ContentFolder::page(QStringView name) const {
    if (!isPlainFileName(name)) {
        return std::nullopt;
    }
    return file(kPagesFolder, name + kPageSuffix);
}

std::optional<ContentFile> ContentFolder::printPage(QStringView name) const {
    std::optional<ContentFile> printed = page(name);
    if (printed) {
        printed->url.setQuery(ContentAddress::kPrintQuery.mid(1).toString());
    }
    return printed;
}

bool ContentFolder::hasMarkerFile() const {
    const std::optional<ContentFile> marker = markerFile();
    return marker && QFileInfo(marker->filePath).isFile();
}

}  // namespace corvanel
