#include "ConnectionString.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

TEST(ConnectionString, IsTheThreePiecesAroundTheProgramsDatabase) {
    EXPECT_EQ(connectionStringFor(QStringLiteral("/opt/corvanel/bin")),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0; Data Source=/opt/corvanel/bin/"
                             "db3.mdb; Persist Security Info=False; Jet OLEDB:Database "
                             "Password=tevaluqim;"));
}

TEST(ConnectionString, ParsesEveryPieceAndKeepsOddPathsWhole) {
    const ConnectionSettings settings =
        parseConnectionString(connectionStringFor(QStringLiteral("/home/ana/meus docs;2")));
    EXPECT_EQ(settings.provider, QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(settings.dataSource, QStringLiteral("/home/ana/meus docs;2/db3.mdb"));
    EXPECT_EQ(settings.persistSecurityInfo, QStringLiteral("False"));
    EXPECT_EQ(settings.password, QStringLiteral("tevaluqim"));

    const ConnectionSettings mixedCase = parseConnectionString(
        QStringLiteral("data source = C:\\Lumbra\\/db3.mdb ;JET OLEDB:DATABASE PASSWORD=x"));
    EXPECT_EQ(mixedCase.dataSource, QStringLiteral("C:\\Lumbra\\/db3.mdb"));
    EXPECT_EQ(mixedCase.password, QStringLiteral("x"));
    EXPECT_TRUE(mixedCase.provider.isEmpty());
}

}  // namespace
}  // namespace corvanel
