#include "ContentAddress.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel::ContentAddress {

namespace {
constexpr QStringView kScheme = u"file://localhost/";
constexpr QStringView kPagesFolder = u"textos\\";
constexpr QStringView kPageSuffix = u".htm";
}  // namespace

QString pageAddress(const QString& root, const QString& pageName) {
    return kScheme + root + kPagesFolder + pageName + kPageSuffix;
}

QString printAddress(const QString& root, const QString& pageName) {
    return pageAddress(root, pageName) + kPrintQuery;
}

QString startPageAddress(const QString& root) {
    return kScheme + root + kStartPage;
}

QString markerFilePath(const QString& root) {
    return root + kMarkerFileName;
}

bool hasMarkerFile(const QString& root) {
    return QFileInfo(localFolder(markerFilePath(root))).isFile();
}

QString documentPageName(qint64 code) {
    return QString::number(code);
}

QString localFolder(const QString& root) {
#ifdef Q_OS_WIN
    return root;
#else
    QString folder = root;
    folder.replace(u'\\', u'/');
    return folder;
#endif
}

QString pageFilePath(const QString& root, const QString& pageName) {
    return localFolder(root) + QStringLiteral("textos/") + pageName + kPageSuffix;
}

}  // namespace corvanel::ContentAddress
