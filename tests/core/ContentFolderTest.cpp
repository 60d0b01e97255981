#include "ContentFolder.h"

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

class ContentFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Coleção/textos")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Coleção2")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("fora")));
        write(QStringLiteral("segredo.txt"));
    }

    QString root() const { return dir_.path() + QStringLiteral("/Coleção/"); }
    QString path(const QString& relative) const { return dir_.path() + u'/' + relative; }
    QUrl file(const QString& relative) const { return QUrl::fromLocalFile(path(relative)); }
    void write(const QString& relative) const {
        QFile written(path(relative));
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    }
    void link(const QString& target, const QString& relative) const {
        ASSERT_TRUE(QFile::link(target, path(relative)));
    }

    QTemporaryDir dir_;
};

TEST_F(ContentFolderTest, HoldsWhatLiesUnderTheRootAndNothingBeside) {
    const ContentFolder collection = ContentFolder::fromRoot(root());
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção/textos/1.htm"))));
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção/entrada2.htm"))));
    EXPECT_TRUE(collection.contains(file(QStringLiteral("Coleção"))));
    // A neighbour whose name starts alike is another folder.
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção2/1.htm"))));
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção/textos/../../segredo.txt"))));
    EXPECT_FALSE(collection.contains(QUrl::fromLocalFile(QStringLiteral("/etc/hostname"))));
    EXPECT_FALSE(collection.contains(QUrl(QStringLiteral("http://127.0.0.1/Coleção/1.htm"))));
}

TEST_F(ContentFolderTest, ALinkCountsWhereItLeads) {
    link(path(QStringLiteral("segredo.txt")), QStringLiteral("Coleção/atalho.txt"));
    link(path(QStringLiteral("fora")), QStringLiteral("Coleção/saida"));
    link(root(), QStringLiteral("Ligação"));

    const ContentFolder collection = ContentFolder::fromRoot(root());
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção/atalho.txt"))));
    // Also for a file that does not exist yet behind a link on the way.
    EXPECT_FALSE(collection.contains(file(QStringLiteral("Coleção/saida/novo.htm"))));
    // A root reached through a link is the same folder.
    const ContentFolder linked = ContentFolder::fromRoot(path(QStringLiteral("Ligação/")));
    EXPECT_EQ(linked, collection);
    EXPECT_TRUE(linked.contains(file(QStringLiteral("Coleção/textos"))));
    EXPECT_TRUE(linked.contains(file(QStringLiteral("Ligação/textos"))));
}

TEST_F(ContentFolderTest, AnEmptyOrMissingRootHoldsNothing) {
    for (const QString& missing : {QString(), path(QStringLiteral("não existe/"))}) {
        const ContentFolder none = ContentFolder::fromRoot(missing);
        EXPECT_FALSE(none.isValid());
        EXPECT_TRUE(none.rootText().isEmpty());
        EXPECT_FALSE(none.contains(QUrl::fromLocalFile(QStringLiteral("/textos/1.htm"))));
        EXPECT_FALSE(none.contains(QUrl::fromLocalFile(QStringLiteral("/"))));
        EXPECT_FALSE(none.page(u"1"));
        EXPECT_FALSE(none.hasMarkerFile());
    }
}

TEST_F(ContentFolderTest, AWindowsStyleRootIsReadWithItsBackslashes) {
    QString windowsStyle = root();
    windowsStyle.replace(u'/', u'\\');
    windowsStyle.remove(0, 1);  // as stored without its leading separator
    EXPECT_EQ(ContentFolder::fromRoot(windowsStyle), ContentFolder::fromRoot(root()));
}

TEST_F(ContentFolderTest, GivesEachFileByJoiningItsNameUnderTheFolder) {
    const ContentFolder collection = ContentFolder::fromRoot(root());
    const QDir real(collection.path());
    EXPECT_EQ(collection.rootText(), collection.path() + u'/');
    const struct {
        std::optional<ContentFile> file;
        QString expected;
    } table[] = {
        {collection.markerFile(), real.filePath(QStringLiteral("labels.dat"))},
        {collection.startPage(), real.filePath(QStringLiteral("entrada2.htm"))},
        {collection.page(u"123"), real.filePath(QStringLiteral("textos/123.htm"))},
        {collection.page(u"help"), real.filePath(QStringLiteral("textos/help.htm"))},
        {collection.printPage(u"L01"), real.filePath(QStringLiteral("textos/L01.htm"))},
    };
    for (const auto& row : table) {
        ASSERT_TRUE(row.file) << row.expected.toStdString();
        EXPECT_EQ(row.file->filePath, row.expected);
        EXPECT_EQ(row.file->url.toLocalFile(), row.expected);
        EXPECT_TRUE(collection.contains(row.file->url));
    }
    EXPECT_FALSE(collection.page(u"1")->url.hasQuery());
    EXPECT_EQ(collection.printPage(u"1")->url.query(), QStringLiteral("op=Imprimir"));
    EXPECT_FALSE(collection.hasMarkerFile());
    write(QStringLiteral("Coleção/labels.dat"));
    EXPECT_TRUE(collection.hasMarkerFile());
}

TEST_F(ContentFolderTest, APageNameThatClimbsOrAPageThatLeadsOutIsRefused) {
    link(path(QStringLiteral("segredo.txt")), QStringLiteral("Coleção/textos/7.htm"));
    link(QStringLiteral("/nao/existe"), QStringLiteral("Coleção/textos/8.htm"));
    link(path(QStringLiteral("fora")), QStringLiteral("Coleção2/textos"));
    const ContentFolder collection = ContentFolder::fromRoot(root());
    for (const char16_t* name :
         {u"", u".", u"..", u"../../segredo", u"a/b", u"a\\b", u"C:x", u"7", u"8", u"../labels"}) {
        EXPECT_FALSE(collection.page(name)) << QString::fromUtf16(name).toStdString();
    }
    // Pages folder and all: a folder of links out reads nothing out.
    const ContentFolder second = ContentFolder::fromRoot(path(QStringLiteral("Coleção2/")));
    EXPECT_FALSE(second.page(u"1"));
    EXPECT_TRUE(second.startPage());
}

// A received collection names its folder: never the whole disk or the
// system's, however it is spelt or linked.
TEST_F(ContentFolderTest, TheSystemsFoldersAreNoContentFolder) {
    link(QStringLiteral("/"), QStringLiteral("x"));
    link(QStringLiteral("/etc"), QStringLiteral("y"));
    for (const QString& root :
         {QStringLiteral("/"), QStringLiteral("/etc/"), QStringLiteral("/etc/ssl"),
          QStringLiteral("/usr/"), QStringLiteral("/usr/bin"), QStringLiteral("/proc/self/"),
          QStringLiteral("/tmp/"), QStringLiteral("/home"), QDir::homePath(),
          QStringLiteral("/usr/../etc"), QStringLiteral("\\etc\\"), path(QStringLiteral("x")),
          path(QStringLiteral("x/")), path(QStringLiteral("y/"))}) {
        EXPECT_FALSE(ContentFolder::fromRoot(root).isValid()) << root.toStdString();
    }
}

// A stored root without its closing separator once glued file names onto
// it: "DIR/x" + "labels.dat" found a sibling "DIR/xlabels.dat" while "x"
// led to the root of the disk.
TEST_F(ContentFolderTest, ARootWithoutItsSeparatorFindsNoSiblingFiles) {
    write(QStringLiteral("xlabels.dat"));
    write(QStringLiteral("xentrada2.htm"));
    link(path(QStringLiteral("fora")), QStringLiteral("x"));
    const ContentFolder folder = ContentFolder::fromRoot(path(QStringLiteral("x")));
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(folder.hasMarkerFile());
    EXPECT_EQ(folder.startPage()->filePath, path(QStringLiteral("fora/entrada2.htm")));
}

}  // namespace
}  // namespace corvanel
