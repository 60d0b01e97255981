#include "Collection.h"
#include "ContentLocationScreen.h"
#include "CorvanelApplication.h"
#include "Database.h"
#include "MainWindow.h"
#include "RecordingPrompts.h"
#include "Reindex.h"
#include "ResultListWindow.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "UserSettings.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::RecordingPrompts;
using testing::TestCollection;

void chooseOpenCollection(const CorvanelApplication& corvanel) {
    auto* item = corvanel.mainWindow()->findChild<QAction*>(QStringLiteral("AbrirColecao1"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), q("Abrir coleção..."));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    item->trigger();
}

// "Abrir coleção..." leaves one collection for another in the running
// program, and the next start opens the new one.
TEST(OpeningAnotherCollection, ShowsItsTotalsAndPagesAndIsRememberedForTheNextStart) {
    RecordingPrompts prompts;
    TestCollection first({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))});
    TestCollection second({card(1, q("Texto"), q("Ana"), q("A"), q("A03")),
                           card(2, q("Outro texto"), q("Rui"), q("A"), q("A03")),
                           card(3, q("Modelo"), {}, q("E"), q("E01"))});
    CorvanelApplication corvanel(first.programFolder());
    corvanel.start();
    ASSERT_EQ(corvanel.mainWindow()->sectionTotal(Section::Legislacao), q("1"));
    corvanel.resultList()->show();

    prompts.folderAnswer = second.programFolder();
    chooseOpenCollection(corvanel);

    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
    ASSERT_EQ(prompts.folderDialogs.size(), 1);
    EXPECT_TRUE(prompts.folderDialogs.first().endsWith(first.programFolder()));
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Textos), q("2"));
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Legislacao), q("0"));
    EXPECT_EQ(corvanel.mainWindow()->totalDocuments(), q("3"));
    EXPECT_EQ(corvanel.collection().contentRoot(), second.contentFolder());
    EXPECT_FALSE(corvanel.resultList()->isVisible()) << "it listed the other collection";
    EXPECT_EQ(UserSettings().lastCollectionFolder(), QDir(second.programFolder()).canonicalPath());
}

TEST(OpeningAnotherCollection, AFolderWithoutACollectionIsRefusedAndTheOpenOneStays) {
    RecordingPrompts prompts;
    TestCollection first({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))});
    CorvanelApplication corvanel(first.programFolder());
    corvanel.start();

    QTemporaryDir empty;
    prompts.folderAnswer = empty.path();
    chooseOpenCollection(corvanel);
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().startsWith(q("A coleção não foi aberta: a pasta")))
        << prompts.errors.first().toStdString();
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Legislacao), q("1"));
    EXPECT_EQ(corvanel.collection().contentRoot(), first.contentFolder());

    // Cancelling the dialog changes nothing and says nothing.
    prompts.folderAnswer.clear();
    chooseOpenCollection(corvanel);
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(corvanel.collection().contentRoot(), first.contentFolder());
}

// A collection whose pages are not where it says asks for them, as at start.
TEST(OpeningAnotherCollection, WithoutItsMarkerFileTheContentLocationScreenAppears) {
    RecordingPrompts prompts;
    TestCollection first({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))});
    TestCollection lost({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))},
                        {.root = QStringLiteral("/media/cdrom/"), .withMarkerFile = false});
    CorvanelApplication corvanel(first.programFolder());
    corvanel.start();
    ASSERT_FALSE(corvanel.contentLocationScreen()->isVisible());

    corvanel.switchCollection(lost.programFolder());
    EXPECT_TRUE(corvanel.contentLocationScreen()->isVisible());
}

// A collection from the earlier builder opens and searches; the user is told
// once per start how to add its index, and never about a current one.
TEST(OpeningACollectionWithoutItsSearchIndex, TellsHowToReindexOnceAndStillSearches) {
    RecordingPrompts prompts;
    const QList<testing::TestCard> cards{
        card(1, q("Lei da Criança"), q("Federal"), q("B"), q("B02"), {}, {q("guarda e adoção")}),
        card(2, q("Texto"), q("Ana"), q("A"), q("A03"), {}, {q("outra coisa")})};
    TestCollection current(cards);
    TestCollection earlier(cards, {.root = {}, .withSearchIndex = false});
    CorvanelApplication corvanel(earlier.programFolder());
    corvanel.start();

    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().contains(
        u"corvanel-collection reindex \"" + QDir::toNativeSeparators(earlier.programFolder())))
        << prompts.messages.first().toStdString();
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
    Database& database = corvanel.collection().database();
    EXPECT_FALSE(database.hasSearchIndex());
    const auto codes = [&](const QString& words) {
        QStringList found;
        corvanel.collection().database().searchWords(
            words, SearchScope::allSections(), [&](const ListedDocument& d) { found << d.code; });
        return found;
    };
    EXPECT_EQ(codes(q("ADOCAO")), QStringList{q("1")});
    EXPECT_EQ(codes(q("a")).size(), 2);

    corvanel.switchCollection(current.programFolder());
    EXPECT_TRUE(corvanel.collection().database().hasSearchIndex());
    EXPECT_EQ(codes(q("adoção")), QStringList{q("1")});
    corvanel.switchCollection(earlier.programFolder());
    EXPECT_EQ(prompts.messages.size(), 1) << "told again in the same start";
    EXPECT_EQ(codes(q("guarda")), QStringList{q("1")});
}

// An index from before its short strings' part searches right, short words
// by reading the texts: the user is told so once per start, and reindex
// completes it.
TEST(OpeningACollectionWhoseIndexLacksItsShortStrings, TellsOnceThatShortWordsAreSlower) {
    RecordingPrompts prompts;
    const QList<testing::TestCard> cards{
        card(1, q("Lei da Criança"), q("Federal"), q("B"), q("B02"), {}, {q("guarda e adoção")}),
        card(2, q("Texto"), q("Ana"), q("A"), q("A03"), {}, {q("outra coisa")})};
    TestCollection earlier(cards, {.root = {}, .withShortStringIndex = false});
    {
        CorvanelApplication corvanel(earlier.programFolder());
        corvanel.start();

        ASSERT_EQ(prompts.messages.size(), 1);
        const QString& advice = prompts.messages.first();
        EXPECT_TRUE(advice.contains(u"palavras de uma ou duas letras demoram mais"))
            << advice.toStdString();
        EXPECT_FALSE(advice.contains(u"sem o índice de busca")) << "the index is there";
        EXPECT_TRUE(advice.contains(u"corvanel-collection reindex \"" +
                                    QDir::toNativeSeparators(earlier.programFolder())));
        Database& database = corvanel.collection().database();
        EXPECT_TRUE(database.hasSearchIndex());
        EXPECT_FALSE(database.hasCompleteSearchIndex());
        const auto codes = [&](const QString& words) {
            QStringList found;
            database.searchWords(words, SearchScope::allSections(),
                                 [&](const ListedDocument& d) { found << d.code; });
            return found;
        };
        EXPECT_EQ(codes(q("ÃO")), QStringList{q("1")});
        EXPECT_EQ(codes(q("a")).size(), 2);

        corvanel.switchCollection(earlier.programFolder());
        EXPECT_EQ(prompts.messages.size(), 1) << "told again in the same start";
    }

    collection::reindex(earlier.programFolder());
    CorvanelApplication corvanel(earlier.programFolder());
    corvanel.start();
    EXPECT_EQ(prompts.messages.size(), 1) << "nothing to tell once reindexed";
    EXPECT_TRUE(corvanel.collection().database().hasCompleteSearchIndex());
}

// An index folded before no-break and other Unicode spaces were blanks
// misses the texts written with them: the user is told once per start what
// reindex gives, and it still searches.
TEST(OpeningACollectionIndexedByEarlierFolding, TellsOnceThatReindexFindsTextsWithOtherSpaces) {
    RecordingPrompts prompts;
    TestCollection earlier({card(1, q("Conselho\u00a0Tutelar"), q("ECA"), q("A"), q("A02"), {},
                                 {q("art.\u202f227")})});
    sqlite::Connection(earlier.databasePath(), sqlite::OpenMode::ReadWrite)
        .executeScript("DROP TABLE SEARCH_FOLDING");
    const auto found = [](CorvanelApplication& corvanel, const char* words) {
        return corvanel.collection().database().searchWords(q(words), SearchScope::allSections(),
                                                            [](const ListedDocument&) {});
    };
    {
        CorvanelApplication corvanel(earlier.programFolder());
        corvanel.start();
        ASSERT_EQ(prompts.messages.size(), 1);
        const QString& advice = prompts.messages.first();
        EXPECT_TRUE(advice.contains(u"espaço não separável")) << advice.toStdString();
        EXPECT_TRUE(advice.contains(u"corvanel-collection reindex \"" +
                                    QDir::toNativeSeparators(earlier.programFolder())));
        EXPECT_FALSE(corvanel.collection().database().hasCurrentFolding());
        EXPECT_EQ(found(corvanel, "art.\u2009227"), 1);
    }
    collection::reindex(earlier.programFolder());
    CorvanelApplication corvanel(earlier.programFolder());
    corvanel.start();
    EXPECT_EQ(prompts.messages.size(), 1) << "nothing to tell once reindexed";
    EXPECT_TRUE(corvanel.collection().database().hasCurrentFolding());
    EXPECT_EQ(found(corvanel, "conselho tutelar"), 1);
}

}  // namespace
}  // namespace corvanel
