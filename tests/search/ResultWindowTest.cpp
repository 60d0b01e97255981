#include "RecordingPrompts.h"
#include "ResultListModel.h"
#include "SearchCollection.h"
#include "BusyWindow.h"
#include "ResultListWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::TestCollection;

class ResultWindow : public ::testing::Test {
protected:
    ResultWindow() {
        ResultListWindow::CreationContext context;
        context.connectionString = collection.connectionString();
        textos.FormCreate(context);
        textos.setBusyScreen(&busy);
        textos.setPageOpeners({[this](const QString& pageName) { opened << pageName; },
                               [this] { opened << q("ajuda"); }});
    }
    ~ResultWindow() override { textos.hide(); }

    // What a caller does: write the fields, empty the lists, show.
    void request(const char* tipo, const char* edit4, const char* edit3, const char* aux = "") {
        textos.tipo = q(tipo);
        textos.Edit4 = q(edit4);
        textos.Edit3->setText(q(edit3));
        textos.Aux = q(aux);
        textos.clearLists();
        textos.show();
    }

    QStringList shownLines() const {
        QStringList lines;
        const QAbstractItemModel* model = textos.ListBox1->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            lines << model->index(row, 0).data().toString();
        }
        return lines;
    }

    int captionTop() const { return textos.findChild<QLineEdit*>(q("Pesquisando"))->y(); }
    bool searchToolsCovered() const {
        // The cover panel lies over the search box exactly where it shows.
        const QWidget* top = textos.childAt(textos.Edit3->geometry().center());
        return top != textos.Edit3 && !textos.Edit3->isAncestorOf(top);
    }

    TestCollection collection{testing::searchCards()};
    testing::RecordingPrompts prompts;
    BusyWindow busy;
    ResultListWindow textos;
    QStringList opened;
};

TEST_F(ResultWindow, EachRequestShowsItsHeaderScopeAndCount) {
    request("T", " ", "");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(textos.Edit5->text(), q("0"));
    EXPECT_EQ(textos.Pesquisando->text(), q("Todos"));
    EXPECT_EQ(textos.headerLayout(), HeaderLayout::Search);
    EXPECT_FALSE(searchToolsCovered());
    const int searchTop = captionTop();

    request("B", "B02", " ", "B");
    EXPECT_EQ(textos.Pesquisando->text(), q("Legislação"));
    EXPECT_EQ(textos.Edit5->text(), q("1"));
    EXPECT_TRUE(searchToolsCovered());
    EXPECT_EQ(captionTop(), searchTop);

    request(" ", " ", " ");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(textos.Edit5->text(), q("0"));
    EXPECT_EQ(textos.Pesquisando->text(), q("Todos"));
    EXPECT_FALSE(searchToolsCovered());
    EXPECT_EQ(captionTop(), searchTop + 5);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(busy.isVisible());
}

TEST_F(ResultWindow, ARequestWhileVisibleRunsAtOnce) {
    request("G", "T", " ");
    ASSERT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.Edit5->text(), q("9"));
    request("D", "D01", " ", "D");
    EXPECT_EQ(shownLines(), (QStringList{q("1 - Programa Família Acolhedora"), q("Município"), q(" ")}));
    EXPECT_EQ(textos.ListBox2(), (QStringList{q("7"), q("7"), q(" ")}));
    EXPECT_EQ(textos.Pesquisando->text(), q("Experiências"));
}

TEST_F(ResultWindow, EnterInTheSearchBoxSearchesAndHidingBlanksIt) {
    request("T", " ", "");
    textos.Edit3->setText(q("silva"));
    QTest::keyClick(textos.Edit3, Qt::Key_Return);
    EXPECT_EQ(textos.Edit5->text(), q("2"));
    EXPECT_EQ(shownLines().first(), q("Textos:"));
    EXPECT_EQ(textos.resultLevel(), 0);

    textos.Edit3->setText(q("adoção"));
    textos.Tavik3Click();
    EXPECT_EQ(textos.Edit5->text(), q("1"));
    textos.Tavik4Click();
    EXPECT_EQ(textos.Edit3->text(), q("silva"));
    EXPECT_EQ(textos.Edit5->text(), q("2"));

    textos.hide();
    EXPECT_EQ(textos.Edit3->text(), q(" "));
    // A request that does not write the search box finds the blank there.
    textos.tipo = q("SA");
    textos.Edit4 = q("A");
    textos.SUBCATOK = q("0");
    textos.show();
    EXPECT_EQ(textos.Edit5->text(), q("3"));
}

TEST_F(ResultWindow, TheButtonsCarryTheirHints) {
    EXPECT_EQ(textos.findChild<QWidget*>(q("Tavik3"))->toolTip(), q("Buscar Resultados"));
    EXPECT_EQ(textos.findChild<QWidget*>(q("Tavik4"))->toolTip(), q("Voltar"));
    request("T", " ", "");
    textos.Tavik4Click();
    EXPECT_EQ(prompts.messages, QStringList{q("Não existem resultados anteriores.")});
}

TEST_F(ResultWindow, ADoubleClickOpensTheLinesDocumentAndHelpTheHelpPage) {
    textos.SUBCATOK = q("0");
    request("SB", "B", " ");
    const QModelIndex subtitle = textos.ListBox1->model()->index(1, 0);
    EXPECT_EQ(subtitle.data(ResultListModel::KeyRole).toString(), q("3"));
    textos.ListBox1DblClick(subtitle);
    textos.ListBox1DblClick(textos.ListBox1->model()->index(2, 0));  // separator
    textos.Tavik1Click();
    EXPECT_EQ(opened, (QStringList{q("3"), q("ajuda")}));
}

TEST(ResultWindowErrors, AnErrorShowsTheStandardBoxHidesTheBusyWindowAndTheWindowGoesOn) {
    TestCollection collection(testing::withDamagedDecision());
    testing::damageDecision(collection.databasePath());
    testing::RecordingPrompts prompts;
    BusyWindow busy;
    ResultListWindow textos;
    textos.setBusyScreen(&busy);
    ResultListWindow::CreationContext context;
    context.connectionString = collection.connectionString();
    textos.FormCreate(context);

    textos.tipo = q("C");
    textos.Edit4 = q("C13");
    textos.Aux = q("C");
    textos.show();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(q("malformed"))) << prompts.errors.first().toStdString();
    EXPECT_FALSE(busy.isVisible());
    EXPECT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.ListBox1->model()->rowCount(), 7);  // the decision read before

    textos.tipo = q("B");
    textos.Edit4 = q("B02");
    textos.Aux = q("B");
    textos.show();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_FALSE(busy.isVisible());
    EXPECT_EQ(textos.Edit5->text(), q("1"));
    EXPECT_EQ(textos.Pesquisando->text(), q("Legislação"));
    textos.hide();
}

}  // namespace
}  // namespace corvanel
