#include "ContentAddress.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using namespace ContentAddress;

TEST(ContentAddress, PageAddressesAreBuiltByPlainConcatenation) {
    const QString root = QStringLiteral("D:\\");
    EXPECT_EQ(pageAddress(root, documentPageName(123)),
              QStringLiteral("file://localhost/D:\\textos\\123.htm"));
    EXPECT_EQ(pageAddress(root, documentPageName(7)),
              QStringLiteral("file://localhost/D:\\textos\\7.htm"));
    EXPECT_EQ(printAddress(root, QStringLiteral("123")),
              QStringLiteral("file://localhost/D:\\textos\\123.htm?op=Imprimir"));
    EXPECT_EQ(pageAddress(root, kHelpPage.toString()),
              QStringLiteral("file://localhost/D:\\textos\\help.htm"));
    EXPECT_EQ(pageAddress(root, kLegislationLinksPage.toString()),
              QStringLiteral("file://localhost/D:\\textos\\L01.htm"));
    EXPECT_EQ(pageAddress(root, QStringLiteral("A11")),
              QStringLiteral("file://localhost/D:\\textos\\A11.htm"));
    EXPECT_EQ(pageAddress(root, kZeftPage.toString()),
              QStringLiteral("file://localhost/D:\\textos\\ZEFT.htm"));
    EXPECT_EQ(startPageAddress(root), QStringLiteral("file://localhost/D:\\entrada2.htm"));
    EXPECT_EQ(pageAddress(QStringLiteral("/media/cdrom/"), QStringLiteral("123")),
              QStringLiteral("file://localhost//media/cdrom/textos\\123.htm"));
}

TEST(ContentAddress, NothingAddsAMissingSeparator) {
    EXPECT_EQ(pageAddress(QStringLiteral("D:"), QStringLiteral("123")),
              QStringLiteral("file://localhost/D:textos\\123.htm"));
    EXPECT_EQ(pageAddress(QString(), QStringLiteral("123")),
              QStringLiteral("file://localhost/textos\\123.htm"));
}

TEST(ContentAddress, WindowsRootsBecomeLocalFoldersOnThisSystem) {
#ifndef Q_OS_WIN
    EXPECT_EQ(localFolder(QStringLiteral("\\srv\\lumbra\\")), QStringLiteral("/srv/lumbra/"));
#endif
}

}  // namespace
}  // namespace corvanel
