#include "CategoryTree.h"
#include "CategoryTreeRules.h"
#include "Collection.h"
#include "MainWindowTesting.h"
#include "PictureButton.h"
#include "ResultListWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

namespace corvanel {
namespace {

using main_window::CategoryListing;
using main_window::PageToOpen;
using main_window::TreeAction;
using main_window::TreeId;
using testing::click;
using testing::RecordedMainWindow;
using testing::utf8;

// One node as it should read: its depth, its caption, its code, and what a
// double click on it does.
struct ExpectedNode {
    int level;
    QString caption;
    QString code;
    TreeAction action;
};

// A tree written as text, one node a line: two blanks per level, the
// caption, " = ", the code. A code "X" does nothing; any other lists the
// code with the tree's kind and letter, or (with no kind) opens the page of
// that name; "=> kind K letter L" or "=> page P" after the code says otherwise.
struct ExpectedTree {
    TreeId id;
    QString name;
    QString tab;  // the button that brings its page to the front
    QString kind;
    QString letter;
    QString text;

    QList<ExpectedNode> nodes() const;
};

QList<ExpectedNode> ExpectedTree::nodes() const {
    QList<ExpectedNode> result;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype indent = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        const QStringList parts = line.mid(indent).split(QStringLiteral(" = "));
        const QStringList codeAndAction = parts.at(1).split(QStringLiteral(" => "));
        const QString code = codeAndAction.at(0);
        TreeAction action;
        if (codeAndAction.size() > 1) {
            const QStringList words = codeAndAction.at(1).split(u' ');
            if (words.at(0) == QStringLiteral("page")) {
                action = PageToOpen{words.at(1)};
            } else {
                action = CategoryListing{words.at(1), code, words.at(3)};
            }
        } else if (code == QStringLiteral("X")) {
            action = std::monostate{};
        } else if (kind.isEmpty()) {
            action = PageToOpen{code};
        } else {
            action = CategoryListing{kind, code, letter};
        }
        result << ExpectedNode{static_cast<int>(indent / 2), parts.at(0), code, action};
    }
    return result;
}

// The seven themes one level down with their codes, then (unless
// operatorsCode is a code of its own) the operators heading and its four.
QString themeBlock(const QStringList& codes,
                   const char* operators = "Operadores do Sistema de Garantia") {
    const QStringList themes{
        utf8("História, Procedimentos e Princípios do Direito da Criança e do Adolescente"),
        utf8("Direito à Vida e à Saúde"),
        utf8("Direito à Educação, à Cultura, ao Esporte e ao Lazer"),
        utf8("Direito à Convivência Familiar e Comunitária"),
        utf8("Proibição do Trabalho Infantil e o Direito à Profissionalização e à Proteção no "
             "Trabalho"),
        utf8("Direito à Liberdade, Dignidade e Respeito"),
        utf8("Ato Infracional e Medidas Sócio-Educativas"),
    };
    QString text;
    for (int i = 0; i < themes.size(); ++i) {
        text += QStringLiteral("  ") + themes.at(i) + QStringLiteral(" = ") + codes.at(i) + u'\n';
    }
    if (codes.size() == 8) {
        return text + QStringLiteral("  ") + utf8(operators) + QStringLiteral(" = ") + codes.at(7) +
               u'\n';
    }
    text += QStringLiteral("  ") + utf8(operators) + QStringLiteral(" = X\n");
    const QStringList children{utf8("Poder Judiciário"), utf8("Ministério Público"),
                               utf8("Conselhos e Fundos"), utf8("Advocacia")};
    for (int i = 0; i < children.size(); ++i) {
        text += QStringLiteral("    ") + children.at(i) + QStringLiteral(" = ") + codes.at(7 + i) +
                u'\n';
    }
    return text;
}

QStringList codes(const char* spaced) {
    return utf8(spaced).split(u' ');
}

// Nodes two levels down from "caption code" pairs.
QString leaves(const char* pairs) {
    const QStringList words = codes(pairs);
    QString text;
    for (int i = 0; i + 1 < words.size(); i += 2) {
        text +=
            QStringLiteral("    ") + words.at(i) + QStringLiteral(" = ") + words.at(i + 1) + u'\n';
    }
    return text;
}

const QList<ExpectedTree>& expectedTrees() {
    static const QList<ExpectedTree> trees{
        {TreeId::Textos, QStringLiteral("TTextos"), QStringLiteral("RlTextos"), QStringLiteral("A"),
         QStringLiteral("A"),
         utf8("Autor = A01 => kind A01 letter A\nTítulo = A02\nTemática = X\n") +
             themeBlock(codes("A03 A04 A05 A06 A07 A08 A09 A10 A11 A12 A13"))},
        {TreeId::Legislacao, QStringLiteral("TLegislacao"), QStringLiteral("RlLegislacao"),
         QStringLiteral("B"), QStringLiteral("B"),
         utf8("Internacional = B01\nNacional = X\n  Federal = B02\n  Estadual = B03\n"
              "  Atos Normativos Federais = B04\nTemática = X\n") +
             themeBlock(codes("B05 B06 B07 B08 B09 B10 B11 B12 B13 B14 B15")) +
             utf8("Links de Atualização Legislativa = B16 => page L01\n")},
        {TreeId::Julgados, QStringLiteral("TJulgados"), QStringLiteral("RlJulgados"),
         QStringLiteral("C"), QStringLiteral("C"),
         utf8("Temática = X\n") + themeBlock(codes("C01 C02 C03 C04 C05 C06 C07 C08 C09 C10 C44")) +
             utf8("Decisões Monocráticas = H01 => kind H letter H\nTribunais = X\n"
                  "  Superiores = X\n    STF = C12\n    STJ = C13\n    TST = C14\n"
                  "  Regionais = X\n    TRF = C15\n    TRT = C16\n  Estaduais = X\n") +
             leaves("AC C17 AL C18 AP C19 AM C20 BA C21 CE C22 DF C23 ES C24 GO C25 MA C26 MT C27 "
                    "MS C28 MG C29 PA C30 PB C31 PE C44 PR C32 PI C33 RJ C34 RN C35 RS C36 RO C37 "
                    "RR C38 SC C39 SP C40 SE C41 TO C42")},
        {TreeId::Experiencias, QStringLiteral("TExperiencias"), QStringLiteral("RlExperiencias"),
         QStringLiteral("D"), QStringLiteral("D"),
         utf8("Programas, Projetos e Campanhas = D01\nManuais = D02\nTemática = X\n") +
             themeBlock(codes("D03 D04 D05 D06 D07 D08 D09 D10 D11 D12 D13"))},
        {TreeId::Modelos, QStringLiteral("TModelos"), QStringLiteral("RlModelos"),
         QStringLiteral("E"), QStringLiteral("E"),
         utf8("Iniciais = E01\nRecursos, Pareceres, Requerimentos e Outros = E02\n"
              "Termos de Ajustamento e de Cooperação e Convênios = E03\nTemática = X\n") +
             themeBlock(codes("E04 E05 E06 E07 E08 E09 E10 E11 E12 E13 E14"),
                        "Operadores do Sistema de Garantias")},
        {TreeId::Ciclos, QStringLiteral("TCiclos"), QStringLiteral("RlCiclos"), QStringLiteral("F"),
         QStringLiteral("F"),
         utf8("Antes do Nascimento (Nascituro) = F01\nCriança (0 a 6 anos) = F06\n"
              "Criança/Adolescente (7 a 14 anos) = F11\nAdolescente (12 a 18 anos) = F16\n")},
        {TreeId::Apresentacao,
         QStringLiteral("TApresentacao"),
         QStringLiteral("RlApresentacao"),
         {},
         {},
         utf8("Apresentação = A01\nO Conselho Editorial  = A02\nAs Áreas Temáticas  = X\n") +
             themeBlock(codes("A03 A04 A05 A06 A07 A08 A09 A10")) +
             utf8("Os Ciclos de Vida = A11\nAntecedentes = A12\n")},
    };
    return trees;
}

int depth(const QTreeWidgetItem* item) {
    int level = 0;
    for (const QTreeWidgetItem* parent = item->parent(); parent != nullptr;
         parent = parent->parent()) {
        ++level;
    }
    return level;
}

class CategoryTreeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        collection.setContentRoot(QStringLiteral("/media/cdrom/"));
        window.form.setCollection(&collection);
        window.form.setResultList(&textos);
        window.show();
    }

    CategoryTree* tree(const ExpectedTree& expected) const {
        return window.find<CategoryTree>(expected.name);
    }

    // Double-clicks the node where it shows, as the user would.
    void doubleClick(CategoryTree* tree, QTreeWidgetItem* item) {
        for (QTreeWidgetItem* parent = item->parent(); parent != nullptr;
             parent = parent->parent()) {
            parent->setExpanded(true);
        }
        tree->scrollToItem(item);
        const QRect rect = tree->visualItemRect(item);
        const QPoint where(rect.left() + 10, rect.center().y());
        testing::doubleClick(tree->viewport(), where);
    }

    Collection collection;
    ResultListWindow textos{collection};
    RecordedMainWindow window;
};

TEST_F(CategoryTreeWindow, TreesShowEveryCaptionCollapsedAndReadOnly) {
    const std::map<QString, int> nodeCounts{
        {QStringLiteral("TTextos"), 15},      {QStringLiteral("TLegislacao"), 19},
        {QStringLiteral("TJulgados"), 50},    {QStringLiteral("TExperiencias"), 15},
        {QStringLiteral("TModelos"), 16},     {QStringLiteral("TCiclos"), 4},
        {QStringLiteral("TApresentacao"), 13}};
    for (const ExpectedTree& expected : expectedTrees()) {
        SCOPED_TRACE(expected.name.toStdString());
        CategoryTree* widget = tree(expected);
        ASSERT_NE(widget, nullptr);
        const QList<ExpectedNode> nodes = expected.nodes();
        ASSERT_EQ(nodes.size(), nodeCounts.at(expected.name));
        for (int i = 0; i < nodes.size(); ++i) {
            const QTreeWidgetItem* item = testing::nodeAt(widget, i);
            ASSERT_NE(item, nullptr) << i;
            EXPECT_EQ(item->text(0), nodes.at(i).caption) << i;
            EXPECT_EQ(depth(item), nodes.at(i).level) << i;
            EXPECT_FALSE(item->isExpanded()) << i;
            EXPECT_EQ(item->childCount() > 0, nodes.at(i).code == QStringLiteral("X"))
                << "headings, and only they, open and close";
            EXPECT_FALSE(item->flags().testFlag(Qt::ItemIsEditable)) << i;
        }
        EXPECT_EQ(testing::nodeAt(widget, static_cast<int>(nodes.size())), nullptr);
        EXPECT_EQ(widget->selectedIndex(), -1);

        const bool presentation = expected.id == TreeId::Apresentacao;
        EXPECT_EQ(widget->toolTip(), presentation
                                         ? QString()
                                         : utf8("Clique Aqui para exibir o conteúdo do diretório"));
        EXPECT_EQ(widget->font().pixelSize(), presentation ? 12 : 13);
        EXPECT_EQ(widget->indentation(), 19);
    }
}

TEST_F(CategoryTreeWindow, DoubleClickOnEveryNodeOfEveryTreeDoesWhatItsRuleSays) {
    for (const ExpectedTree& expected : expectedTrees()) {
        SCOPED_TRACE(expected.name.toStdString());
        click(window.find<PictureButton>(expected.tab));
        CategoryTree* widget = tree(expected);
        ASSERT_TRUE(widget->isVisible());
        const QList<ExpectedNode> nodes = expected.nodes();
        for (int i = 0; i < nodes.size(); ++i) {
            SCOPED_TRACE(nodes.at(i).caption.toStdString());
            window.requests.clear();
            window.pages.clear();
            QTreeWidgetItem* item = testing::nodeAt(widget, i);
            const bool wasExpanded = item->isExpanded();
            doubleClick(widget, item);
            EXPECT_EQ(widget->selectedIndex(), i);

            const TreeAction& action = nodes.at(i).action;
            if (const auto* listing = std::get_if<CategoryListing>(&action)) {
                ASSERT_EQ(window.requests.size(), 1);
                EXPECT_EQ(window.requests.first().kind, listing->kind);
                EXPECT_EQ(window.requests.first().argument, listing->code);
                EXPECT_EQ(window.requests.first().adoptedSection, listing->sectionLetter);
                // A tree leaves the words, the sub-category and the lists alone.
                EXPECT_FALSE(window.requests.first().words || window.requests.first().subcategory ||
                             window.requests.first().subcategoryMode ||
                             window.requests.first().clearsLists);
                EXPECT_TRUE(window.pages.isEmpty());
            } else if (const auto* page = std::get_if<PageToOpen>(&action)) {
                EXPECT_TRUE(window.requests.isEmpty());
                ASSERT_EQ(window.pages.size(), 1);
                EXPECT_EQ(window.pages.first(),
                          (PageRequest{QStringLiteral("/media/cdrom/"), page->pageName, false}));
            } else {
                EXPECT_TRUE(window.requests.isEmpty());
                EXPECT_TRUE(window.pages.isEmpty());
                EXPECT_NE(item->isExpanded(), wasExpanded) << "a heading opens or closes";
            }
        }
    }
}

TEST_F(CategoryTreeWindow, AdvocaciaAndPeListTheSameCategory) {
    click(window.find<PictureButton>(QStringLiteral("RlJulgados")));
    CategoryTree* julgados = window.find<CategoryTree>(QStringLiteral("TJulgados"));
    const QList<QTreeWidgetItem*> advocacia =
        julgados->findItems(QStringLiteral("Advocacia"), Qt::MatchExactly | Qt::MatchRecursive);
    const QList<QTreeWidgetItem*> pe =
        julgados->findItems(QStringLiteral("PE"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(advocacia.size(), 1);
    ASSERT_EQ(pe.size(), 1);
    doubleClick(julgados, advocacia.first());
    doubleClick(julgados, pe.first());
    ASSERT_EQ(window.requests.size(), 2);
    EXPECT_EQ(window.requests.at(0).argument, QStringLiteral("C44"));
    EXPECT_EQ(window.requests.at(1).argument, QStringLiteral("C44"));
}

TEST_F(CategoryTreeWindow, ADoubleClickBelowTheLastNodeActsOnTheSelectedNodeOrOnNone) {
    click(window.find<PictureButton>(QStringLiteral("RlCiclos")));
    CategoryTree* ciclos = window.find<CategoryTree>(QStringLiteral("TCiclos"));
    const QPoint below(20, ciclos->viewport()->height() - 5);
    ASSERT_EQ(ciclos->itemAt(below), nullptr);

    testing::doubleClick(ciclos->viewport(), below);
    EXPECT_TRUE(window.requests.isEmpty()) << "no node selected yet";

    doubleClick(ciclos, testing::nodeAt(ciclos, 2));
    testing::doubleClick(ciclos->viewport(), below);
    ASSERT_EQ(window.requests.size(), 2);
    EXPECT_EQ(window.requests.at(1).argument, QStringLiteral("F11"));
}

TEST_F(CategoryTreeWindow, EnterActsAsADoubleClickOnTheSelectedNode) {
    click(window.find<PictureButton>(QStringLiteral("RlLegislacao")));
    CategoryTree* legislacao = window.find<CategoryTree>(QStringLiteral("TLegislacao"));
    legislacao->setFocus();
    legislacao->setCurrentItem(testing::nodeAt(legislacao, 1));  // "Nacional", a heading
    QTest::keyClick(legislacao, Qt::Key_Return);
    EXPECT_TRUE(testing::nodeAt(legislacao, 1)->isExpanded());
    legislacao->setCurrentItem(testing::nodeAt(legislacao, 3));  // "Estadual"
    QTest::keyClick(legislacao, Qt::Key_Enter);
    ASSERT_EQ(window.requests.size(), 1);
    EXPECT_EQ(window.requests.first().argument, QStringLiteral("B03"));
}

TEST_F(CategoryTreeWindow, APageKeepsItsTreeSearchAndFilterWhileHidden) {
    click(window.find<PictureButton>(QStringLiteral("RlLegislacao")));
    CategoryTree* legislacao = window.find<CategoryTree>(QStringLiteral("TLegislacao"));
    doubleClick(legislacao, testing::nodeAt(legislacao, 5));  // "Temática" opens
    doubleClick(legislacao, testing::nodeAt(legislacao, 7));  // "Direito à Vida e à Saúde"
    ASSERT_TRUE(testing::nodeAt(legislacao, 5)->isExpanded());
    window.find<QLineEdit>(QStringLiteral("Edit4"))->setText(utf8("saúde"));
    window.find<QComboBox>(QStringLiteral("LBox"))->setCurrentIndex(2);

    click(window.find<PictureButton>(QStringLiteral("RlJulgados")));
    ASSERT_FALSE(legislacao->isVisible());
    window.form.findChild<QAction*>(QStringLiteral("Legislao1"))->trigger();

    ASSERT_TRUE(legislacao->isVisible());
    EXPECT_TRUE(testing::nodeAt(legislacao, 5)->isExpanded());
    EXPECT_FALSE(testing::nodeAt(legislacao, 1)->isExpanded());
    EXPECT_EQ(legislacao->selectedIndex(), 7);
    EXPECT_EQ(window.find<QLineEdit>(QStringLiteral("Edit4"))->text(), utf8("saúde"));
    EXPECT_EQ(window.find<QComboBox>(QStringLiteral("LBox"))->currentIndex(), 2);
}

}  // namespace
}  // namespace corvanel
