#include "BusyWindow.h"
#include "Collection.h"
#include "RecordingPrompts.h"
#include "ResultListModel.h"
#include "ResultListView.h"
#include "ResultListWindow.h"
#include "ResultWindowFixture.h"
#include "SearchCollection.h"
#include "ZoomControl.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::TestCollection;

// A collection long enough to scroll: every search card, many times over.
QList<testing::TestCard> manyCards(int count = 120) {
    QList<testing::TestCard> cards;
    for (int i = 1; i <= count; ++i) {
        cards << testing::card(i, q("Documento número %1").arg(i), q("Autor"), q("A"), q("A03"),
                               q("palavra"), {q("texto")});
    }
    return cards;
}

class ResultWindowKeys : public testing::ResultWindowFixture {
protected:
    // The request, in the window the keyboard then works in.
    void request(const char* kind, const char* argument, const char* words,
                 const char* adoptedSection = "") {
        ResultWindowFixture::request(kind, argument, words, adoptedSection);
        textos.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&textos));
    }
    // What a keyboard does: the key goes to whatever has the window's focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = textos.focusWidget();
        QTest::keyClick(target != nullptr ? target : &textos, key, modifiers);
    }
    void type(const char* text) { QTest::keyClicks(textos.focusWidget(), q(text)); }
    QString focusName() const {
        const QWidget* focus = textos.focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }
    QStringList tabOrder() {
        QStringList names{focusName()};
        for (int i = 0; i < 8; ++i) {
            press(Qt::Key_Tab);
            if (focusName() == names.first()) {
                break;
            }
            names << focusName();
        }
        return names;
    }
};

TEST_F(ResultWindowKeys, AListingTakesTheKeyboardAndEnterOpensTheRowAsADoubleClick) {
    request("B", "B02", " ", "B");
    EXPECT_EQ(focusName(), q("ListBox1"));
    // The covered search tools are no stops: typing cannot reach the box.
    EXPECT_EQ(tabOrder(), QStringList{q("ListBox1")});
    type("lei");
    EXPECT_EQ(textos.countField()->text(), q("1"));

    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    // Down goes from document to document: past the last one it stays there,
    // and the separator after it is never chosen.
    press(Qt::Key_Down);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(opened, (QStringList{q("3"), q("3")}));
    const QModelIndex separator = textos.resultList()->model()->index(2, 0);
    EXPECT_EQ(separator.data(Qt::AccessibleTextRole).toString(), QString());
    EXPECT_EQ(textos.resultList()->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
              q("1 - Lei do SINASE"));
}

TEST_F(ResultWindowKeys, TheSearchLayoutTabsThroughBoxButtonsAndListAndSpaceRunsAButton) {
    request("T", " ", "");
    EXPECT_EQ(focusName(), q("Edit3"));
    EXPECT_EQ(tabOrder(), (QStringList{q("Edit3"), q("Bt_busca"), q("Tavik3"), q("Tavik4"),
                                       q("Tavik1"), q("PalavraInteira"), q("ListBox1")}));
    ASSERT_EQ(focusName(), q("Edit3"));
    type("silva");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);  // the search button
    EXPECT_EQ(textos.countField()->text(), q("2"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);  // help
    EXPECT_EQ(opened, QStringList{q("ajuda")});
}

TEST_F(ResultWindowKeys, LocalizarSelectsTheBlankSoThatTypingReplacesIt) {
    request(" ", " ", " ");
    EXPECT_EQ(focusName(), q("Edit3"));
    EXPECT_EQ(textos.searchBox()->selectedText(), q(" "));
    type("silva");
    EXPECT_EQ(textos.searchBox()->text(), q("silva"));
}

TEST_F(ResultWindowKeys, TheBusyWindowBelongsToTheWindowThatWaits) {
    request("G", "T", " ");
    ASSERT_NE(busy.windowHandle(), nullptr);
    EXPECT_EQ(busy.windowHandle()->transientParent(), textos.windowHandle());
}

TEST_F(ResultWindowKeys, ScopeCountAndCaptionsReadAsText) {
    request("G", "T", " ");
    const auto nameOf = [this](const char* objectName) {
        QWidget* widget = textos.findChild<QWidget*>(q(objectName));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    const auto valueOf = [this](const char* objectName) {
        QWidget* widget = textos.findChild<QWidget*>(q(objectName));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Value);
    };
    EXPECT_EQ(nameOf("Pesquisando"), q("Pesquisando em:"));
    EXPECT_EQ(valueOf("Pesquisando"), q("Lumbra"));
    EXPECT_EQ(nameOf("Edit5"), q("Documentos:"));
    EXPECT_EQ(valueOf("Edit5"), q("9"));
    EXPECT_EQ(nameOf("Image4"), q("Dê um duplo clique em um título para abrir o documento."));
    EXPECT_EQ(nameOf("ListBox1"), q("Resultados da pesquisa"));
}

TEST(ResultWindowScroll, ARefilledListStartsAtItsFirstItemWithTheScrollBarAtTheTop) {
    testing::RecordingPrompts prompts;
    TestCollection collection(manyCards());
    Collection opened(collection.connectionString());
    opened = Collection::open(collection.programFolder());
    ResultListWindow textos(opened);
    for (int round = 0; round < 2; ++round) {
        textos.run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
        QListView* list = textos.resultList();
        QScrollBar* bar = list->verticalScrollBar();
        ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->maximum() > 0; }));
        QTest::qWait(50);
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), 0);
        list->scrollToBottom();  // the next fill starts from here
    }
    textos.hide();
}

// Up and Down go from document to document, whatever lines each takes; Page
// Down and Page Up a screenful, each to a document's first line.
TEST(ResultWindowRows, ArrowsMoveByDocumentAndPagesByScreen) {
    testing::RecordingPrompts prompts;
    TestCollection collection(manyCards());
    Collection opened = Collection::open(collection.programFolder());
    ResultListWindow textos(opened);
    textos.run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
    QListView* list = textos.resultList();
    const QAbstractItemModel* rows = list->model();
    const auto keyOf = [rows](int row) {
        return rows->index(row, 0).data(ResultListModel::KeyRole).toString();
    };
    const auto startsADocument = [&](int row) {
        return !keyOf(row).trimmed().isEmpty() &&
               (row == 0 || keyOf(row - 1) != keyOf(row) || keyOf(row - 1).trimmed().isEmpty());
    };
    QStringList documents;
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (startsADocument(row)) {
            documents << keyOf(row);
        }
    }
    ASSERT_GT(documents.size(), 8);
    ASSERT_GT(rows->rowCount(), documents.size()) << "each document takes more than a line";
    textos.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&textos));
    list->setFocus();
    list->setCurrentIndex(rows->index(0, 0));

    const auto current = [list] { return list->currentIndex().row(); };
    for (int document = 1; document <= 4; ++document) {
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(keyOf(current()), documents.at(document));
        EXPECT_TRUE(startsADocument(current()));
    }
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(keyOf(current()), documents.at(3));

    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
        const int before = current();
        const int beforeTop = list->visualRect(list->currentIndex()).top();
        QTest::keyClick(list, key);
        EXPECT_TRUE(startsADocument(current()));
        EXPECT_EQ(current() > before, key == Qt::Key_PageDown);
        EXPECT_NE(current(), before);
        EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
        EXPECT_LE(std::abs(list->visualRect(list->currentIndex()).top() - beforeTop),
                  list->viewport()->height() + list->visualRect(list->currentIndex()).height());
    }
    textos.hide();
}

// A list longer than the rows laid out before the first paint: End goes to
// its very last document at once, not to the last row laid out so far.
TEST(ResultWindowRows, EndReachesTheLastDocumentBeforeTheListIsLaidOut) {
    testing::RecordingPrompts prompts;
    TestCollection collection(manyCards(400));
    Collection opened = Collection::open(collection.programFolder());
    ResultListWindow textos(opened);
    textos.run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
    QListView* list = textos.resultList();
    const QAbstractItemModel* rows = list->model();
    ASSERT_GT(rows->rowCount(), 1000);
    textos.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&textos));
    list->setFocus();
    list->setCurrentIndex(rows->index(0, 0));
    QTest::keyClick(list, Qt::Key_End);
    const auto keyOf = [rows](int row) {
        return rows->index(row, 0).data(ResultListModel::KeyRole).toString();
    };
    int lastDocument = rows->rowCount() - 1;
    while (keyOf(lastDocument).trimmed().isEmpty()) {
        --lastDocument;
    }
    EXPECT_GE(list->currentIndex().row(), lastDocument - 1);
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
    textos.hide();
}

// Rows measured again (a new zoom, passages shown or hidden) leave a list
// scrolled far past its first rows where it was.
TEST(ResultWindowRows, AListScrolledFarKeepsItsPlaceWhenMeasuredAgain) {
    testing::RecordingPrompts prompts;
    TestCollection collection(manyCards(400));
    Collection opened = Collection::open(collection.programFolder());
    ResultListWindow textos(opened);
    textos.run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
    auto* list = qobject_cast<ResultListView*>(textos.resultList());
    ASSERT_NE(list, nullptr);
    const int rowCount = list->model()->rowCount();
    list->scrollTo(list->model()->index(rowCount - 1, 0));
    QApplication::processEvents();
    const int top = list->indexAt(QPoint(2, 2)).row();
    ASSERT_GT(top, rowCount / 2);
    list->measureAgain();
    QApplication::processEvents();
    EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), top);
    textos.hide();
}

// The scope and the count read as the window's own words do, at every zoom,
// in their row above the list.
TEST_F(ResultWindowKeys, ScopeAndCountAreReadableAndFollowTheZoom) {
    request("G", "T", " ");
    const QRect listPlace = textos.resultList()->geometry();
    int lastPixels = 0;
    for (const double zoom : {0.5, 1.0, 1.5, 3.0}) {
        textos.zoom()->setFactor(zoom);
        for (QLineEdit* field : {textos.scopeField(), textos.countField()}) {
            const QFont font = field->font();
            EXPECT_GE(font.pixelSize(), 9) << zoom;
            EXPECT_FALSE(QFontInfo(font).family().contains(u"Serif") &&
                         !QFontInfo(font).family().contains(u"Sans"))
                << QFontInfo(font).family().toStdString();
            EXPECT_GE(field->height(), QFontMetrics(font).height());
            EXPECT_GE(field->width(), QFontMetrics(font).horizontalAdvance(field->text()));
            EXPECT_LT(field->geometry().bottom(), listPlace.top());
        }
        EXPECT_GE(textos.countField()->font().pixelSize(), lastPixels);
        lastPixels = textos.countField()->font().pixelSize();
    }
    EXPECT_GT(lastPixels, 11);
}

}  // namespace
}  // namespace corvanel
