#include "BusyWindow.h"
#include "Collection.h"
#include "RecordingPrompts.h"
#include "ResultListModel.h"
#include "ResultListWindow.h"
#include "ResultWindowFixture.h"
#include "SearchCollection.h"
#include "SearchOptions.h"
#include "SearchWords.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::TestCollection;

class ResultWindow : public testing::ResultWindowFixture {
protected:
    int captionTop() const { return textos.findChild<QLineEdit*>(q("Pesquisando"))->y(); }
    bool searchToolsCovered() const {
        // The cover panel lies over the search box exactly where it shows.
        const QWidget* top = textos.childAt(textos.searchBox()->geometry().center());
        return top != textos.searchBox() && !textos.searchBox()->isAncestorOf(top);
    }
};

TEST_F(ResultWindow, EachRequestShowsItsHeaderScopeAndCount) {
    request("T", " ", "");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(textos.countField()->text(), q("0"));
    EXPECT_EQ(textos.scopeField()->text(), q("Todos"));
    EXPECT_EQ(textos.headerLayout(), HeaderLayout::Search);
    EXPECT_FALSE(searchToolsCovered());
    const int searchTop = captionTop();

    request("B", "B02", " ", "B");
    EXPECT_EQ(textos.scopeField()->text(), q("Legislação"));
    EXPECT_EQ(textos.countField()->text(), q("1"));
    EXPECT_TRUE(searchToolsCovered());
    EXPECT_EQ(captionTop(), searchTop);

    request(" ", " ", " ");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(textos.countField()->text(), q("0"));
    EXPECT_EQ(textos.scopeField()->text(), q("Todos"));
    EXPECT_FALSE(searchToolsCovered());
    EXPECT_EQ(captionTop(), searchTop + 5);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(busy.isVisible());
}

TEST_F(ResultWindow, ARequestWhileVisibleRunsAtOnce) {
    request("G", "T", " ");
    ASSERT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.countField()->text(), q("9"));
    request("D", "D01", " ", "D");
    EXPECT_EQ(shownLines(),
              (QStringList{q("1 - Programa Família Acolhedora"), q("Município"), q(" ")}));
    EXPECT_EQ(textos.lineKeys(), (QStringList{q("7"), q("7"), q(" ")}));
    EXPECT_EQ(textos.scopeField()->text(), q("Experiências"));
}

TEST_F(ResultWindow, EnterInTheSearchBoxSearchesAndHidingBlanksIt) {
    request("T", " ", "");
    textos.searchBox()->setText(q("silva"));
    QTest::keyClick(textos.searchBox(), Qt::Key_Return);
    EXPECT_EQ(textos.countField()->text(), q("2"));
    EXPECT_EQ(shownLines().first(), q("Textos:"));
    EXPECT_EQ(textos.resultLevel(), 0);

    textos.searchBox()->setText(q("adoção"));
    textos.narrow();
    EXPECT_EQ(textos.countField()->text(), q("1"));
    textos.stepBack();
    EXPECT_EQ(textos.searchBox()->text(), q("silva"));
    EXPECT_EQ(textos.countField()->text(), q("2"));

    textos.hide();
    EXPECT_EQ(textos.searchBox()->text(), q(" "));
    // A request that does not write the search box finds the blank there.
    textos.run({.kind = q("SA"), .argument = q("A"), .subcategoryMode = q("0")});
    EXPECT_EQ(textos.countField()->text(), q("3"));
}

TEST_F(ResultWindow, APasteLongerThanTheSearchTakesIsCutAndSaysSo) {
    request("T", " ", "");
    QLineEdit* box = textos.searchBox();
    for (const qsizetype pasted :
         {kLongestSearchWords, kLongestSearchWords + 1, qsizetype{32767}}) {
        box->clear();
        QToolTip::hideText();
        QGuiApplication::clipboard()->setText(QString(pasted, u'a'));
        box->paste();
        EXPECT_EQ(box->text().size(), std::min(pasted, kLongestSearchWords));
        EXPECT_EQ(QToolTip::isVisible(), pasted > kLongestSearchWords) << pasted;
    }
    EXPECT_TRUE(QToolTip::text().contains(QString::number(kLongestSearchWords)));
    QToolTip::hideText();
}

TEST_F(ResultWindow, TheButtonsCarryTheirHints) {
    EXPECT_EQ(textos.findChild<QWidget*>(q("Tavik3"))->toolTip(), q("Buscar Resultados"));
    EXPECT_EQ(textos.findChild<QWidget*>(q("Tavik4"))->toolTip(), q("Voltar"));
    request("T", " ", "");
    textos.stepBack();
    EXPECT_EQ(prompts.messages, QStringList{q("Não existem resultados anteriores.")});
}

TEST_F(ResultWindow, ADoubleClickOpensTheLinesDocumentAndHelpTheHelpPage) {
    textos.run({.kind = q("SB"),
                .words = q(" "),
                .argument = q("B"),
                .subcategoryMode = q("0"),
                .clearsLists = true});
    const QModelIndex subtitle = textos.resultList()->model()->index(1, 0);
    EXPECT_EQ(subtitle.data(ResultListModel::KeyRole).toString(), q("3"));
    textos.openLine(subtitle);
    textos.openLine(textos.resultList()->model()->index(2, 0));  // separator
    textos.showHelp();
    EXPECT_EQ(opened, (QStringList{q("3"), q("ajuda")}));
}

TEST(ResultWindowErrors, AnUnreadableTextShowsTheStandardBoxOnceItIsDrawnAndTheWindowGoesOn) {
    TestCollection collection(testing::withDamagedDecision());
    testing::damageDecision(collection.databasePath());
    testing::RecordingPrompts prompts;
    BusyWindow busy;
    Collection opened(collection.connectionString());
    opened = Collection::open(collection.programFolder());
    ResultListWindow textos(opened);
    textos.setBusyWindow(&busy);

    // Texts are read when drawn, so the listing itself goes through.
    textos.run({.kind = q("C"), .argument = q("C13"), .adoptedSection = q("C")});
    EXPECT_EQ(textos.resultList()->model()->rowCount(), 14);
    textos.resultList()->viewport()->repaint();
    textos.resultList()->viewport()->repaint();
    QCoreApplication::processEvents();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(q("malformed")))
        << prompts.errors.first().toStdString();
    EXPECT_FALSE(busy.isVisible());
    EXPECT_TRUE(textos.isVisible());
    const QAbstractItemModel* rows = textos.resultList()->model();
    EXPECT_EQ(rows->index(0, 0).data().toString(), q("1 - Primeira linha da decisão."));
    EXPECT_TRUE(rows->index(7, 0).data().toString().isEmpty());  // the unreadable one

    textos.run({.kind = q("B"), .argument = q("B02"), .adoptedSection = q("B")});
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_FALSE(busy.isVisible());
    EXPECT_EQ(textos.countField()->text(), q("1"));
    EXPECT_EQ(textos.scopeField()->text(), q("Legislação"));
    textos.hide();
}

// "Palavra inteira" and the arrangement reach the next search, a result
// shown is listed again when the arrangement changes, and both are
// remembered for the next run.
TEST_F(ResultWindow, SearchOptionsReachTheSearchesAndAreRemembered) {
    const QTemporaryDir folder;
    const QString settings = folder.filePath(q("corvanel.conf"));
    RememberedState state(settings);
    textos.searchOptions()->rememberIn(state);
    request("T", " ", "");
    textos.searchBox()->setText(q("sobr"));
    textos.search();
    EXPECT_EQ(textos.countField()->text(), q("3"));

    QTest::mouseClick(textos.wholeWordsBox(), Qt::LeftButton, {},
                      QPoint(4, textos.wholeWordsBox()->height() / 2));
    EXPECT_TRUE(textos.searchOptions()->wholeWords());
    textos.search();
    EXPECT_EQ(textos.countField()->text(), q("0"));
    textos.searchBox()->setText(q("sobre"));
    textos.search();
    EXPECT_EQ(textos.countField()->text(), q("3"));
    EXPECT_FALSE(shownLines().contains(q("1 trecho")));

    textos.searchOptions()->setGroupedByDocument(true);
    EXPECT_EQ(shownLines().count(q("1 trecho")), 3);
    EXPECT_FALSE(busy.isVisible());

    SearchOptions nextRun;
    RememberedState again(settings);
    nextRun.rememberIn(again);
    EXPECT_TRUE(nextRun.wholeWords());
    EXPECT_EQ(nextRun.arrangement(), (ResultArrangement{ResultOrder::Title, true}));
}

}  // namespace
}  // namespace corvanel
