#include "CollectionFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

class CollectionFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Coleção/textos")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Coleção2")));
    }

    QString root() const { return dir_.path() + QStringLiteral("/Coleção/"); }
    QUrl file(const QString& relative) const {
        return QUrl::fromLocalFile(dir_.path() + u'/' + relative);
    }

    QTemporaryDir dir_;
};

TEST_F(CollectionFolderTest, HoldsWhatLiesUnderTheRootAndNothingBeside) {
    const CollectionFolder collection = CollectionFolder::fromContentRoot(root());
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção/textos/1.htm"))));
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção/entrada2.htm"))));
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção"))));
    // A neighbour whose name starts alike is another folder.
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção2/1.htm"))));
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção/textos/../../segredo.txt"))));
    EXPECT_FALSE(collection.contains(QUrl::fromLocalFile(QStringLiteral("/etc/hostname"))));
    EXPECT_FALSE(collection.contains(QUrl(QStringLiteral("http://127.0.0.1/Coleção/1.htm"))));
}

TEST_F(CollectionFolderTest, ALinkCountsWhereItLeads) {
    QFile secret(dir_.filePath(QStringLiteral("segredo.txt")));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    ASSERT_TRUE(secret.link(root() + QStringLiteral("atalho.txt")));
    ASSERT_TRUE(QFile::link(root(), dir_.filePath(QStringLiteral("Ligação"))));

    EXPECT_FALSE(CollectionFolder::fromContentRoot(root()).contains(
        file(QStringLiteral("Coleção/atalho.txt"))));
    // A root reached through a link holds the same files.
    const CollectionFolder linked =
        CollectionFolder::fromContentRoot(dir_.filePath(QStringLiteral("Ligação/")));
    EXPECT_TRUE(linked.contains(file(QStringLiteral("Coleção/textos"))));
    EXPECT_TRUE(linked.contains(file(QStringLiteral("Ligação/textos"))));
}

TEST_F(CollectionFolderTest, AnEmptyRootHoldsNothing) {
    const CollectionFolder none = CollectionFolder::fromContentRoot(QString());
    EXPECT_TRUE(none.path().isEmpty());
    EXPECT_FALSE(none.contains(QUrl::fromLocalFile(QStringLiteral("/textos/1.htm"))));
    EXPECT_FALSE(none.contains(QUrl::fromLocalFile(QStringLiteral("/"))));
}

TEST_F(CollectionFolderTest, AWindowsStyleRootIsReadWithItsBackslashes) {
    QString windowsStyle = root();
    windowsStyle.replace(u'/', u'\\');
    windowsStyle.remove(0, 1);  // as stored without its leading separator
    EXPECT_TRUE(CollectionFolder::fromContentRoot(windowsStyle)
                    .contains(file(QStringLiteral("Coleção/textos/1.htm"))));
}

}  // namespace
}  // namespace corvanel
