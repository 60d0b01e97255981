#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "PageBrowser.h"
#include "PageMarker.h"
#include "PictureButton.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "SearchOptions.h"
#include "TestCollection.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

using testing::card;
using testing::TestCollection;

// In title order: cards 1, 2, 3; Silva and Souza wrote one text each.
QList<testing::TestCard> openingCards() {
    return {card(1, q("Adoção internacional"), q("Silva, Ana"), q("A"), q("A03")),
            card(2, q("Guarda compartilhada"), q("Souza, Bia"), q("A"), q("A04")),
            card(3, q("Lei do SINASE"), q("Congresso Nacional"), q("B"), q("B02"))};
}

// The program with its result list and viewer, as they are wired at start.
class OpeningAResult : public ::testing::Test {
protected:
    OpeningAResult() {
        QDir(collection.contentFolder()).mkpath(q("textos"));
        for (const char* page : {"1", "2", "help"}) {
            QFile file(collection.contentFolder() + q("textos/") + q(page) + q(".htm"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("<p>page</p>");
        }
        corvanel.start();
    }

    ResultListWindow& results() const { return *corvanel.resultList(); }
    DocumentViewer& viewer() const { return *corvanel.viewer(); }

    // What the main window does for a request.
    void request(const char* kind, const char* argument, const char* adoptedSection = "") {
        results().run({.kind = q(kind),
                       .argument = q(argument),
                       .adoptedSection = q(adoptedSection),
                       .clearsLists = true});
    }

    QStringList shownLines() const {
        QStringList lines;
        const QAbstractItemModel* model = results().resultList()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            lines << model->index(row, 0).data().toString();
        }
        return lines;
    }

    // A double click as the platform delivers it, on the row's middle.
    void doubleClick(int row) const {
        QListView& list = *results().resultList();
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }

    void clickHelp() const { results().findChild<PictureButton*>(q("Tavik1"))->click(); }

    QString address(const char* page) const {
        return q("file://localhost/") + collection.contentFolder() + q("textos\\") + q(page) +
               q(".htm");
    }

    TestCollection collection{openingCards()};
    testing::RecordingPrompts prompts;
    CorvanelApplication corvanel{collection.programFolder()};
};

TEST_F(OpeningAResult, ADocumentFoundByWholeWordsIsMarkedByWholeWords) {
    QFile page(collection.contentFolder() + q("textos/2.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<meta charset=\"utf-8\"><p>A guarda, aguardando a Guarda.</p>");
    page.close();
    for (const bool whole : {true, false}) {
        results().searchOptions()->setWholeWords(whole);
        request("G", "T");
        results().searchBox()->setText(q("guarda"));
        results().search();
        const int row = shownLines().indexOf(q("1 - Guarda compartilhada"));
        ASSERT_GE(row, 0);
        QSignalSpy marked(viewer().marker(), &PageMarker::positionChanged);
        results().openLine(results().resultList()->model()->index(row, 0));
        ASSERT_TRUE(marked.wait(30000));
        EXPECT_EQ(viewer().marker()->count(), whole ? 2 : 3);
    }
}

TEST_F(OpeningAResult, EveryRowOfADocumentOpensItsPageAndASeparatorNothing) {
    request("G", "T");
    ASSERT_EQ(shownLines().mid(0, 4),
              (QStringList{q("Textos:"), q("1 - Adoção internacional"), q("Silva, Ana"), q(" ")}));
    for (int row : {0, 1, 2}) {
        clickHelp();
        ASSERT_EQ(viewer().pageName(), q("help"));
        doubleClick(row);
        EXPECT_TRUE(viewer().isVisible());
        EXPECT_EQ(viewer().pageName(), q("1")) << row;
        EXPECT_EQ(viewer().browser()->lastAddress(), address("1")) << row;
    }
    clickHelp();
    doubleClick(3);
    EXPECT_EQ(viewer().pageName(), q("help"));
    EXPECT_EQ(viewer().browser()->lastAddress(), address("help"));
    // The result list stays as it was behind the viewer.
    EXPECT_TRUE(results().isVisible());
    EXPECT_EQ(results().resultList()->currentIndex().row(), 3);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

TEST_F(OpeningAResult, HelpKeepsWhatWasSavedAndADocumentEmptiesIt) {
    request("G", "T");
    doubleClick(1);
    const QTemporaryDir saved;
    prompts.saveAnswer = saved.filePath(q("copia.htm"));
    viewer().findChild<PictureButton*>(q("Bt_Salvar"))->click();
    ASSERT_FALSE(viewer().saveBuffer().isEmpty());
    clickHelp();
    EXPECT_FALSE(viewer().saveBuffer().isEmpty());
    doubleClick(5);  // the title of card 2
    EXPECT_EQ(viewer().pageName(), q("2"));
    EXPECT_TRUE(viewer().saveBuffer().isEmpty());
}

TEST_F(OpeningAResult, AnAuthorListsTheAuthorsTextsWhichThenOpen) {
    request("A01", "A01", "A");
    ASSERT_EQ(shownLines(),
              (QStringList{q("1 - Silva, Ana"), q(" "), q("2 - Souza, Bia"), q(" ")}));
    doubleClick(3);  // a separator of the author index
    EXPECT_EQ(results().request().kind, q("A01"));
    EXPECT_EQ(shownLines().size(), 4);

    doubleClick(2);
    EXPECT_EQ(results().request().kind, q("SA"));
    EXPECT_EQ(results().scopeField()->text(), q("Textos por Autor"));
    EXPECT_EQ(results().searchBox()->text(), q("Souza, Bia"));
    EXPECT_EQ(results().countField()->text(), q("1"));
    EXPECT_EQ(results().lineKeys().value(1), q("2"));
    EXPECT_FALSE(viewer().isVisible());

    doubleClick(1);
    EXPECT_TRUE(viewer().isVisible());
    EXPECT_EQ(viewer().pageName(), q("2"));
}

TEST_F(OpeningAResult, AnEmptyListOpensNothingAndAnOpeningKeepsTheViewersPlace) {
    request("T", " ");
    ASSERT_TRUE(shownLines().isEmpty());
    const QPoint inside = results().resultList()->viewport()->rect().center();
    QTest::mouseDClick(results().resultList()->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_FALSE(viewer().isVisible());

    request("G", "T");
    doubleClick(1);
    ASSERT_TRUE(viewer().isVisible());
    viewer().setGeometry(30, 40, 760, 540);
    const QRect placed = viewer().frameGeometry();
    doubleClick(9);  // the title of card 3
    EXPECT_EQ(viewer().pageName(), q("3"));
    EXPECT_EQ(viewer().frameGeometry(), placed);
}

}  // namespace
}  // namespace corvanel
