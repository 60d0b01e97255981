#include "Collection.h"
#include "ConnectionString.h"
#include "MainWindowTesting.h"
#include "PictureButton.h"
#include "ResultListWindow.h"
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

// One section page: its controls' names, its filter's items with the code
// each gives (empty: none), and its description's lines.
struct ExpectedSection {
    Section section;
    QString tab, page, letter, field, filter, searchButton, questionButton, listingButton, counter;
    QStringList items, codes, memo;
};

ExpectedSection sectionRow(Section id, const char* names, const char* items, const char* codes,
                           const char* memo) {
    const QStringList name = utf8(names).split(u' ');
    return {id,
            name.at(0),
            name.at(1),
            name.at(2),
            name.at(3),
            name.at(4),
            name.at(5),
            name.at(6),
            name.at(7),
            name.at(8),
            utf8(items).split(u'|'),
            utf8(codes).split(u'|'),
            utf8(memo).split(u'|')};
}

const QList<ExpectedSection>& sections() {
    using S = Section;
    static const QList<ExpectedSection> expected{
        sectionRow(S::Textos, "RlTextos PgTextos A Edit3 TBox Tavik2 Tavik3 Tavik17 TotTextos",
                   "Todos|Autor|Título", "|A01|A02",
                   "Lista textos doutrinários, |por autor, título e |temática."),
        sectionRow(S::Legislacao,
                   "RlLegislacao PgLegislacao B Edit4 LBox Tavik12 Tavik13 Tavik16 TotLegislacao",
                   "Todos|Internacional|Nacional", "|B01|B02",
                   "Lista as principais |normas internacionais e |nacionais por temática."),
        sectionRow(S::Julgados,
                   "RlJulgados PgJulgados C Edit5 JBox Tavik10 Tavik11 Tavik15 TotJulgados",
                   "Todos|Decisões Monocráticas|Decisões de 2° grau", "|C11|",
                   "Lista os principais |julgados de Tribunais e |sentenças por temática."),
        sectionRow(
            S::Experiencias,
            "RlExperiencias PgExperiencias D Edit6 DBox Tavik8 Tavik9 Tavik14 TotExperiencias",
            "Todos|Prog., Proj. e Campa.|Manuais", "|D01|D02",
            "Lista programas, |projetos, campanhas e |manuais por temática."),
        sectionRow(
            S::Modelos, "RlModelos PgModelos E Edit7 MBox Tavik6 Tavik7 Tavik19 TotModelos",
            "Todos|Iniciais|Outros|Termos", "|E01|E02|E03",
            "Lista, por categoria e|temas, petições|iniciais, recursos,|pareceres e, também, "
            "|termos de ajustamento,|recomendações e outros."),
        sectionRow(S::Ciclos, "RlCiclos PgCiclos F Edit9 ComboBox3 Tavik4 Tavik5 Tavik18 TotCiclos",
                   "Todos |Nascituro|0 a 6 anos|7 a 14 anos|12 a 18 anos", "|F01|F06|F11|F16",
                   "Lista textos por ciclos |de vida."),
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
        EXPECT_EQ(window.find<PictureButton>(section.listingButton)->words(),
                  QStringList{utf8("Listar lumbra da seção")});
        EXPECT_EQ(window.find<PictureButton>(section.listingButton)->parentWidget(), page);
        EXPECT_EQ(window.find<QLineEdit>(section.field)->parentWidget(), page);
    }
}

TEST_F(SectionPanels, EachSectionSearchesWithEachFilterItem) {
    for (const ExpectedSection& section : sections()) {
        click(window.find<PictureButton>(section.tab));
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
            click(window.find<PictureButton>(section.searchButton));

            ASSERT_EQ(window.requests.size(), 1);
            const ResultRequest& request = window.requests.first();
            const QString code = item < 0 ? QString() : section.codes.at(item);
            EXPECT_EQ(request.kind, QStringLiteral("S") + section.letter);
            EXPECT_EQ(request.words, words);
            EXPECT_EQ(request.argument, section.letter);
            EXPECT_EQ(request.subcategory, code.isEmpty() ? QStringLiteral(" ") : code);
            EXPECT_EQ(request.subcategoryMode,
                      code.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
            EXPECT_TRUE(request.clearsLists);
            EXPECT_FALSE(request.adoptedSection.has_value());
        }
    }
}

TEST_F(SectionPanels, EnterInASearchFieldSearchesAndTheFieldKeepsItsWords) {
    for (const ExpectedSection& section : sections()) {
        SCOPED_TRACE(section.page.toStdString());
        click(window.find<PictureButton>(section.tab));
        QLineEdit* field = window.find<QLineEdit>(section.field);
        window.find<QComboBox>(section.filter)->setCurrentIndex(2);
        field->setFocus();
        type(field, QStringLiteral("adoção"));
        window.requests.clear();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);

        ASSERT_EQ(window.requests.size(), 2);
        EXPECT_EQ(window.requests.at(0), window.requests.at(1));
        EXPECT_EQ(window.requests.at(0).kind, QStringLiteral("S") + section.letter);
        EXPECT_EQ(window.requests.at(0).words, QStringLiteral("adoção"));
        EXPECT_EQ(window.requests.at(0).subcategory,
                  section.codes.at(2).isEmpty() ? QStringLiteral(" ") : section.codes.at(2));
        EXPECT_EQ(field->text(), QStringLiteral("adoção"));
    }
}

TEST_F(SectionPanels, ListingButtonsListTheWholeSectionWhateverIsTypedOrChosen) {
    for (const ExpectedSection& section : sections()) {
        SCOPED_TRACE(section.page.toStdString());
        click(window.find<PictureButton>(section.tab));
        type(window.find<QLineEdit>(section.field), QStringLiteral("abrigo"));
        window.find<QComboBox>(section.filter)->setCurrentIndex(1);
        window.requests.clear();
        click(window.find<PictureButton>(section.listingButton));

        ASSERT_EQ(window.requests.size(), 1);
        const ResultRequest& request = window.requests.first();
        EXPECT_EQ(request.kind, QStringLiteral("S") + section.letter);
        EXPECT_EQ(request.words, QStringLiteral(" "));
        EXPECT_EQ(request.argument, section.letter);
        EXPECT_EQ(request.subcategoryMode, QStringLiteral("0"));
        EXPECT_FALSE(request.subcategory.has_value()) << "the sub-category stays as it was";
        EXPECT_TRUE(request.clearsLists);
    }
}

TEST_F(SectionPanels, QuestionMarkButtonsDoNothing) {
    for (const ExpectedSection& section : sections()) {
        click(window.find<PictureButton>(section.tab));
        click(window.find<PictureButton>(section.questionButton));
        EXPECT_TRUE(window.find<QWidget>(section.page)->isVisible());
    }
    EXPECT_TRUE(window.requests.isEmpty());
    EXPECT_TRUE(window.pages.isEmpty());
    EXPECT_TRUE(window.prompts.messages.isEmpty());
}

TEST_F(SectionPanels, CollectionWideEntriesFillTheirFields) {
    const ResultRequest buscaGeral{.kind = QStringLiteral("T"),
                                   .words = QString(),
                                   .argument = QStringLiteral(" "),
                                   .clearsLists = true};
    const ResultRequest localizar{.kind = QStringLiteral(" "),
                                  .words = QStringLiteral(" "),
                                  .argument = QStringLiteral(" "),
                                  .clearsLists = true};
    const ResultRequest lumbra{
        .kind = QStringLiteral("G"), .argument = QStringLiteral("T"), .clearsLists = true};

    click(window.find<PictureButton>(QStringLiteral("RlBuscaGeral")));
    window.find<QAction>(QStringLiteral("Localizar1"))->trigger();
    click(window.find<PictureButton>(QStringLiteral("RlLumbra")));
    window.find<QAction>(QStringLiteral("ListarLumbra1"))->trigger();
    EXPECT_EQ(window.requests, (QList<ResultRequest>{buscaGeral, localizar, lumbra, lumbra}));
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
        opened = Collection::open(collection.programFolder());
        form.setCollection(&opened);
        form.showTotals();
        form.setResultList(&textos);
        form.show();
    }

    void TearDown() override { textos.hide(); }

    RecordingPrompts prompts;
    TestCollection collection;
    Collection opened{collection.connectionString()};
    ResultListWindow textos{opened};
    MainWindow form;
};

TEST_F(SectionPanelsWithResultList, CountersAndTotalShowWhatStartUpCounted) {
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotTextos"))->text(), QStringLiteral("1"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotLegislacao"))->text(),
              QStringLiteral("1"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotJulgados"))->text(),
              QStringLiteral("0"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("TotModelos"))->text(),
              QStringLiteral("2"));
    EXPECT_EQ(form.sectionTotal(Section::Ciclos), QStringLiteral("1"));
    EXPECT_EQ(form.totalDocuments(), QStringLiteral("4"));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("MaskEdit7"))->displayText().trimmed(),
              QStringLiteral("4"));

    // Nothing the user does changes them.
    form.findChild<QAction*>(QStringLiteral("Modelos1"))->trigger();
    click(form.findChild<PictureButton*>(QStringLiteral("Tavik19")));
    EXPECT_EQ(form.sectionTotal(Section::Modelos), QStringLiteral("2"));
    EXPECT_EQ(form.totalDocuments(), QStringLiteral("4"));
}

TEST_F(SectionPanelsWithResultList, ListingAfterAFilteredSearchLeavesTheSubCategory) {
    form.findChild<QAction*>(QStringLiteral("Modelos1"))->trigger();
    form.findChild<QComboBox*>(QStringLiteral("MBox"))->setCurrentIndex(3);
    type(form.findChild<QLineEdit*>(QStringLiteral("Edit7")), QStringLiteral("termo"));
    click(form.findChild<PictureButton*>(QStringLiteral("Tavik6")));
    ASSERT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.request().kind, QStringLiteral("SE"));
    EXPECT_EQ(textos.request().subcategory, QStringLiteral("E03"));
    EXPECT_EQ(textos.request().subcategoryMode, QStringLiteral("1"));

    click(form.findChild<PictureButton*>(QStringLiteral("Tavik19")));
    EXPECT_EQ(textos.request().kind, QStringLiteral("SE"));
    EXPECT_EQ(textos.searchBox()->text(), QStringLiteral(" "));
    EXPECT_EQ(textos.request().argument, QStringLiteral("E"));
    EXPECT_EQ(textos.request().subcategoryMode, QStringLiteral("0"));
    EXPECT_EQ(textos.request().subcategory, QStringLiteral("E03"));
    QStringList documents = textos.lineKeys();
    documents.removeAll(QStringLiteral(" "));
    documents.removeDuplicates();
    documents.sort();
    EXPECT_EQ(documents, (QStringList{QStringLiteral("3"), QStringLiteral("4")}))
        << "the whole Modelos section";
}

TEST_F(SectionPanelsWithResultList, LocalizarOpensTheResultListEmptyAndBuscaGeralWithAnEmptyBox) {
    click(form.findChild<PictureButton*>(QStringLiteral("RlLumbra")));
    ASSERT_FALSE(textos.lineKeys().isEmpty());

    form.findChild<QAction*>(QStringLiteral("Localizar1"))->trigger();
    EXPECT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.request().kind, QStringLiteral(" "));
    EXPECT_EQ(textos.searchBox()->text(), QStringLiteral(" "));
    EXPECT_TRUE(textos.lineKeys().isEmpty());

    textos.hide();
    click(form.findChild<PictureButton*>(QStringLiteral("RlBuscaGeral")));
    EXPECT_TRUE(textos.isVisible());
    EXPECT_EQ(textos.request().kind, QStringLiteral("T"));
    EXPECT_TRUE(textos.searchBox()->text().isEmpty());
}

}  // namespace
}  // namespace corvanel
