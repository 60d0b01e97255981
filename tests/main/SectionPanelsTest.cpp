#include "ConnectionString.h"
#include "MainWindowTesting.h"
#include "TTavik.h"
#include "TTextos.h"
#include "TestCollection.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::click;
using testing::RecordedMainWindow;
using testing::RecordingPrompts;
using testing::TestCollection;
using testing::utf8;

struct ExpectedSection {
    TTextos::Section section;
    QString tab;
    QString page;
    QString letter;
    QString field;
    QString filter;
    QStringList items;
    QStringList codes;  // per item; empty: none
    QString searchButton;
    QString questionButton;
    QString listingButton;
    QString counter;
    QStringList memo;
};

const QList<ExpectedSection>& sections() {
    static const QList<ExpectedSection> expected{
        {TTextos::Section::Textos,
         QStringLiteral("RlTextos"),
         QStringLiteral("PgTextos"),
         QStringLiteral("A"),
         QStringLiteral("Edit3"),
         QStringLiteral("TBox"),
         {QStringLiteral("Todos"), QStringLiteral("Autor"), utf8("Título")},
         {{}, QStringLiteral("A01"), QStringLiteral("A02")},
         QStringLiteral("Tavik2"),
         QStringLiteral("Tavik3"),
         QStringLiteral("Tavik17"),
         QStringLiteral("TotTextos"),
         {utf8("Lista textos doutrinários, "), utf8("por autor, título e "), utf8("temática.")}},
        {TTextos::Section::Legislacao,
         QStringLiteral("RlLegislacao"),
         QStringLiteral("PgLegislacao"),
         QStringLiteral("B"),
         QStringLiteral("Edit4"),
         QStringLiteral("LBox"),
         {QStringLiteral("Todos"), QStringLiteral("Internacional"), QStringLiteral("Nacional")},
         {{}, QStringLiteral("B01"), QStringLiteral("B02")},
         QStringLiteral("Tavik12"),
         QStringLiteral("Tavik13"),
         QStringLiteral("Tavik16"),
         QStringLiteral("TotLegislacao"),
         {utf8("Lista as principais "), utf8("normas internacionais e "),
          utf8("nacionais por temática.")}},
        {TTextos::Section::Julgados,
         QStringLiteral("RlJulgados"),
         QStringLiteral("PgJulgados"),
         QStringLiteral("C"),
         QStringLiteral("Edit5"),
         QStringLiteral("JBox"),
         {QStringLiteral("Todos"), utf8("Decisões Monocráticas"), utf8("Decisões de 2° grau")},
         {{}, QStringLiteral("C11"), {}},
         QStringLiteral("Tavik10"),
         QStringLiteral("Tavik11"),
         QStringLiteral("Tavik15"),
         QStringLiteral("TotJulgados"),
         {utf8("Lista os principais "), utf8("julgados de Tribunais e "),
          utf8("sentenças por temática.")}},
        {TTextos::Section::Experiencias,
         QStringLiteral("RlExperiencias"),
         QStringLiteral("PgExperiencias"),
         QStringLiteral("D"),
         QStringLiteral("Edit6"),
         QStringLiteral("DBox"),
         {QStringLiteral("Todos"), QStringLiteral("Prog., Proj. e Campa."),
          QStringLiteral("Manuais")},
         {{}, QStringLiteral("D01"), QStringLiteral("D02")},
         QStringLiteral("Tavik8"),
         QStringLiteral("Tavik9"),
         QStringLiteral("Tavik14"),
         QStringLiteral("TotExperiencias"),
         {utf8("Lista programas, "), utf8("projetos, campanhas e "),
          utf8("manuais por temática.")}},
        {TTextos::Section::Modelos,
         QStringLiteral("RlModelos"),
         QStringLiteral("PgModelos"),
         QStringLiteral("E"),
         QStringLiteral("Edit7"),
         QStringLiteral("MBox"),
         {QStringLiteral("Todos"), QStringLiteral("Iniciais"), QStringLiteral("Outros"),
          QStringLiteral("Termos")},
         {{}, QStringLiteral("E01"), QStringLiteral("E02"), QStringLiteral("E03")},
         QStringLiteral("Tavik6"),
         QStringLiteral("Tavik7"),
         QStringLiteral("Tavik19"),
         QStringLiteral("TotModelos"),
         {utf8("Lista, por categoria e"), utf8("temas, petições"), utf8("iniciais, recursos,"),
          utf8("pareceres e, também, "), utf8("termos de ajustamento,"),
          utf8("recomendações e outros.")}},
        {TTextos::Section::Ciclos,
         QStringLiteral("RlCiclos"),
         QStringLiteral("PgCiclos"),
         QStringLiteral("F"),
         QStringLiteral("Edit9"),
         QStringLiteral("ComboBox3"),
         {QStringLiteral("Todos "), QStringLiteral("Nascituro"), QStringLiteral("0 a 6 anos"),
          QStringLiteral("7 a 14 anos"), QStringLiteral("12 a 18 anos")},
         {{},
          QStringLiteral("F01"),
          QStringLiteral("F06"),
          QStringLiteral("F11"),
          QStringLiteral("F16")},
         QStringLiteral("Tavik4"),
         QStringLiteral("Tavik5"),
         QStringLiteral("Tavik18"),
         QStringLiteral("TotCiclos"),
         {utf8("Lista textos por ciclos "), utf8("de vida.")}},
    };
    return expected;
}

QStringList items(const QComboBox& box) {
    QStringList result;
    for (int i = 0; i < box.count(); ++i) {
        result << box.itemText(i);
    }
    return result;
}

// As typed: insert() goes through the field's own editing.
void type(QLineEdit* field, const QString& words) {
    field->clear();
    field->insert(words);
}

class SectionPanels : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    RecordedMainWindow window;
};

TEST_F(SectionPanels, EachPageCarriesItsTextsAndAFilterWithNoItemChosen) {
    for (const ExpectedSection& section : sections()) {
        SCOPED_TRACE(section.page.toStdString());
        QWidget* page = window.find<QWidget>(section.page);
        QComboBox* filter = window.find<QComboBox>(section.filter);
        EXPECT_EQ(items(*filter), section.items);
        EXPECT_EQ(filter->currentIndex(), -1);
        EXPECT_TRUE(filter->currentText().isEmpty());
        EXPECT_FALSE(filter->isEditable());

        const QList<QPlainTextEdit*> memos = page->findChildren<QPlainTextEdit*>();
        ASSERT_EQ(memos.size(), 1);
        EXPECT_EQ(memos.first()->toPlainText(), section.memo.join(u'\n'));
        EXPECT_TRUE(memos.first()->isReadOnly());

        QStringList captions;
        for (const QLabel* label : page->findChildren<QLabel*>()) {
            captions << label->text();
        }
        for (const QString& caption :
             {QStringLiteral("Doc. Cadastrados:"), QStringLiteral("Buscar por"),
              QStringLiteral("onde"), utf8("Buscar no Diretório")}) {
            EXPECT_TRUE(captions.contains(caption)) << caption.toStdString();
        }
        EXPECT_EQ(window.find<TTavik>(section.listingButton)->PUTWORDS(),
                  QStringList{utf8("Listar lumbra da seção")});
        EXPECT_EQ(window.find<TTavik>(section.listingButton)->parentWidget(), page);
        EXPECT_EQ(window.find<QLineEdit>(section.field)->parentWidget(), page);
    }
}

TEST_F(SectionPanels, EachSectionSearchesWithEachFilterItem) {
    for (const ExpectedSection& section : sections()) {
        click(window.find<TTavik>(section.tab));
        QLineEdit* field = window.find<QLineEdit>(section.field);
        QComboBox* filter = window.find<QComboBox>(section.filter);
        // -1: the blank filter of the start, with nothing typed.
        for (int item = -1; item < section.items.size(); ++item) {
            SCOPED_TRACE(section.page.toStdString() + " item " + std::to_string(item));
            const QString words =
                item < 0 ? QString() : utf8("guarda \"compartilhada\" %1").arg(item);
            type(field, words);
            if (item >= 0) {
                filter->setCurrentIndex(item);
            }
            window.requests.clear();
            click(window.find<TTavik>(section.searchButton));

            ASSERT_EQ(window.requests.size(), 1);
            const ResultListRequest& request = window.requests.first();
            const QString code = item < 0 ? QString() : section.codes.at(item);
            EXPECT_EQ(request.tipo, QStringLiteral("S") + section.letter);
            EXPECT_EQ(request.Edit3, words);
            EXPECT_EQ(request.Edit4, section.letter);
            EXPECT_EQ(request.SUBCAT, code.isEmpty() ? QStringLiteral(" ") : code);
            EXPECT_EQ(request.SUBCATOK, code.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
            EXPECT_TRUE(request.clearsLists);
            EXPECT_FALSE(request.Aux.has_value());
        }
    }
}

TEST_F(SectionPanels, EnterInASearchFieldSearchesAndTheFieldKeepsItsWords) {
    for (const ExpectedSection& section : sections()) {
        SCOPED_TRACE(section.page.toStdString());
        click(window.find<TTavik>(section.tab));
        QLineEdit* field = window.find<QLineEdit>(section.field);
        window.find<QComboBox>(section.filter)->setCurrentIndex(2);
        field->setFocus();
        type(field, QStringLiteral("adoção"));
        window.requests.clear();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);

        ASSERT_EQ(window.requests.size(), 2);
        EXPECT_EQ(window.requests.at(0), window.requests.at(1));
        EXPECT_EQ(window.requests.at(0).tipo, QStringLiteral("S") + section.letter);
        EXPECT_EQ(window.requests.at(0).Edit3, QStringLiteral("adoção"));
        EXPECT_EQ(window.requests.at(0).SUBCAT,
                  section.codes.at(2).isEmpty() ? QStringLiteral(" ") : section.codes.at(2));
        EXPECT_EQ(field->text(), QStringLiteral("adoção"));
    }
}

TEST_F(SectionPanels, ListingButtonsListTheWholeSectionWhateverIsTypedOrChosen) {
    for (const ExpectedSection& section : sections()) {
        SCOPED_TRACE(section.page.toStdString());
        click(window.find<TTavik>(section.tab));
        type(window.find<QLineEdit>(section.field), QStringLiteral("abrigo"));
        window.find<QComboBox>(section.filter)->setCurrentIndex(1);
        window.requests.clear();
        click(window.find<TTavik>(section.listingButton));

        ASSERT_EQ(window.requests.size(), 1);
        const ResultListRequest& request = window.requests.first();
        EXPECT_EQ(request.tipo, QStringLiteral("S") + section.letter);
        EXPECT_EQ(request.Edit3, QStringLiteral(" "));
        EXPECT_EQ(request.Edit4, section.letter);
        EXPECT_EQ(request.SUBCATOK, QStringLiteral("0"));
        EXPECT_FALSE(request.SUBCAT.has_value()) << "the sub-category stays as it was";
        EXPECT_TRUE(request.clearsLists);
    }
}

TEST_F(SectionPanels, QuestionMarkButtonsDoNothing) {
    for (const ExpectedSection& section : sections()) {
        click(window.find<TTavik>(section.tab));
        click(window.find<TTavik>(section.questionButton));
        EXPECT_TRUE(window.find<QWidget>(section.page)->isVisible());
    }
    EXPECT_TRUE(window.requests.isEmpty());
    EXPECT_TRUE(window.pages.isEmpty());
    EXPECT_TRUE(window.prompts.messages.isEmpty());
}

TEST_F(SectionPanels, CollectionWideEntriesFillTheirFields) {
    ResultListRequest buscaGeral;
    buscaGeral.Edit3 = QString();
    buscaGeral.Edit4 = QStringLiteral(" ");
    buscaGeral.tipo = QStringLiteral("T");
    buscaGeral.clearsLists = true;
    ResultListRequest localizar;
    localizar.Edit3 = QStringLiteral(" ");
    localizar.Edit4 = QStringLiteral(" ");
    localizar.tipo = QStringLiteral(" ");
    localizar.clearsLists = true;
    ResultListRequest lumbra;
    lumbra.Edit4 = QStringLiteral("T");
    lumbra.tipo = QStringLiteral("G");
    lumbra.clearsLists = true;

    click(window.find<TTavik>(QStringLiteral("RlBuscaGeral")));
    window.form.findChild<QAction*>(QStringLiteral("Localizar1"))->trigger();
    click(window.find<TTavik>(QStringLiteral("RlLumbra")));
    window.form.findChild<QAction*>(QStringLiteral("ListarLumbra1"))->trigger();

    ASSERT_EQ(window.requests.size(), 4);
    EXPECT_EQ(window.requests.at(0), buscaGeral);
    EXPECT_EQ(window.requests.at(1), localizar);
    EXPECT_EQ(window.requests.at(2), lumbra);
    EXPECT_EQ(window.requests.at(3), lumbra);
}

// The main window with the real result-list window of a small collection.
class SectionPanelsWithResultList : public ::testing::Test {
protected:
    SectionPanelsWithResultList()
        : collection({card(1, QStringLiteral("Texto"), QStringLiteral("Ana"), QStringLiteral("A"),
                           QStringLiteral("A03 F06")),
                      card(2, QStringLiteral("Lei"), QStringLiteral("Federal"), QStringLiteral("B"),
                           QStringLiteral("B02")),
                      card(3, QStringLiteral("Termo de ajustamento"), QStringLiteral("MP"),
                           QStringLiteral("E"), QStringLiteral("E03")),
                      card(4, QStringLiteral("Petição inicial"), QStringLiteral("DP"),
                           QStringLiteral("E"), QStringLiteral("E01"))}) {}

    void SetUp() override {
        TTextos::CreationContext context;
        context.connectionString = collection.connectionString();
        context.writeSectionTotal = [this](TTextos::Section section, const QString& total) {
            form.setSectionTotal(section, total);
        };
        textos.FormCreate(context);
        form.setResultList(&textos);
        form.show();
    }

    void TearDown() override { textos.hide(); }

    RecordingPrompts prompts;
    TestCollection collection;
    TTextos textos;
    TForm1 form;
};

TEST_F(SectionPanelsWithResultList, CountersAndTotalShowWhatStartUpCounted) {
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotTextos"))->text(), QStringLiteral("1"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotLegislacao"))->text(),
              QStringLiteral("1"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotJulgados"))->text(),
              QStringLiteral("0"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotModelos"))->text(),
              QStringLiteral("2"));
    EXPECT_EQ(form.sectionTotal(TTextos::Section::Ciclos), QStringLiteral("1"));
    EXPECT_EQ(form.totalDocuments(), QStringLiteral("4"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("MaskEdit7"))->displayText().trimmed(),
              QStringLiteral("4"));

    // Nothing the user does changes them.
    form.findChild<QAction*>(QStringLiteral("Modelos1"))->trigger();
    click(form.findChild<TTavik*>(QStringLiteral("Tavik19")));
    EXPECT_EQ(form.sectionTotal(TTextos::Section::Modelos), QStringLiteral("2"));
    EXPECT_EQ(form.totalDocuments(), QStringLiteral("4"));
}

TEST_F(SectionPanelsWithResultList, ListingAfterAFilteredSearchLeavesTheSubCategory) {
    form.findChild<QAction*>(QStringLiteral("Modelos1"))->trigger();
    form.findChild<QComboBox*>(QStringLiteral("MBox"))->setCurrentIndex(3);
    type(form.findChild<QLineEdit*>(QStringLiteral("Edit7")), QStringLiteral("termo"));
    click(form.findChild<TTavik*>(QStringLiteral("Tavik6")));
    ASSERT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.tipo, QStringLiteral("SE"));
    EXPECT_EQ(textos.SUBCAT, QStringLiteral("E03"));
    EXPECT_EQ(textos.SUBCATOK, QStringLiteral("1"));

    click(form.findChild<TTavik*>(QStringLiteral("Tavik19")));
    EXPECT_EQ(textos.tipo, QStringLiteral("SE"));
    EXPECT_EQ(textos.Edit3->text(), QStringLiteral(" "));
    EXPECT_EQ(textos.Edit4, QStringLiteral("E"));
    EXPECT_EQ(textos.SUBCATOK, QStringLiteral("0"));
    EXPECT_EQ(textos.SUBCAT, QStringLiteral("E03"));
    QStringList documents = textos.ListBox2();
    documents.removeAll(QStringLiteral(" "));
    documents.removeDuplicates();
    documents.sort();
    EXPECT_EQ(documents, (QStringList{QStringLiteral("3"), QStringLiteral("4")}))
        << "the whole Modelos section";
}

TEST_F(SectionPanelsWithResultList, LocalizarOpensTheResultListEmptyAndBuscaGeralWithAnEmptyBox) {
    click(form.findChild<TTavik*>(QStringLiteral("RlLumbra")));
    ASSERT_FALSE(textos.ListBox2().isEmpty());

    form.findChild<QAction*>(QStringLiteral("Localizar1"))->trigger();
    EXPECT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.tipo, QStringLiteral(" "));
    EXPECT_EQ(textos.Edit3->text(), QStringLiteral(" "));
    EXPECT_TRUE(textos.ListBox2().isEmpty());

    textos.hide();
    click(form.findChild<TTavik*>(QStringLiteral("RlBuscaGeral")));
    EXPECT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.tipo, QStringLiteral("T"));
    EXPECT_TRUE(textos.Edit3->text().isEmpty());
}

}  // namespace
}  // namespace corvanel
