#include "ContentAddress.h"

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

}  // namespace corvanel::ContentAddress
