#include "PageAddress.h"

#include <QDir>

namespace corvanel::PageAddress {

namespace {

constexpr QLatin1StringView kLocalPrefix("file://localhost/");

// A "?" counts as the start of a query only in the file name: a folder may
// well have one in its name.
qsizetype queryStart(const QString& path) {
    const qsizetype lastSeparator = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.indexOf(u'?', lastSeparator + 1);
}

QUrl localUrl(QString path) {
    QString query;
    const qsizetype question = queryStart(path);
    if (question >= 0) {
        query = path.mid(question + 1);
        path.truncate(question);
    }
#ifndef Q_OS_WIN
    path.replace(u'\\', u'/');
    // Here any run of leading slashes is the root; Qt would read "//name" as
    // a network share, and "///name" as no file at all.
    while (path.startsWith(u"//")) {
        path.remove(0, 1);
    }
#endif
    // The address names a file from the root of the file system, also when
    // the content root is empty: never one under the working folder. QDir
    // takes a leading ':' for a resource, not for a relative path.
    if (path.startsWith(u':') || QDir::isRelativePath(path)) {
        path.prepend(u'/');
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (question >= 0) {
        url.setQuery(query, QUrl::DecodedMode);
    }
    return url;
}

}  // namespace

std::optional<QUrl> resolve(const QString& address) {
    if (address.startsWith(kLocalPrefix, Qt::CaseInsensitive)) {
        const QString path = address.mid(kLocalPrefix.size());
        if (path.isEmpty()) {
            return std::nullopt;
        }
        return localUrl(path);
    }
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid() && isRemote(url) && !url.host().isEmpty()) {
        return url;
    }
    return std::nullopt;
}

bool isLocal(const QUrl& url) {
    return url.isLocalFile();
}

bool isRemote(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == u"http" || scheme == u"https";
}

}  // namespace corvanel::PageAddress
