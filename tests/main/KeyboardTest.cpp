#include "CategoryTree.h"
#include "MainWindowTesting.h"
#include "PictureButton.h"
#include "SectionSwitching.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using main_window::neighbourTab;
using main_window::Page;
using namespace Qt::Literals::StringLiterals;

class MainWindowKeys : public ::testing::Test {
protected:
    MainWindowKeys() { window.show(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = window.form.focusWidget();
        QTest::keyClick(target != nullptr ? target : &window.form, key, modifiers);
    }
    QString focusName() const {
        const QWidget* focus = window.form.focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }
    // The names Tab stops at, from the focus round to it again.
    QStringList tabOrder() {
        QStringList names{focusName()};
        for (int i = 0; i < 40; ++i) {
            press(Qt::Key_Tab);
            if (focusName() == names.first()) {
                break;
            }
            names << focusName();
        }
        return names;
    }
    QString indicatorShown() const {
        for (const char* name : {"BtInicio", "BtTextos", "BtLegislacao", "BtJulgados",
                                 "BtExperiencias", "BtModelos", "BtCiclos"}) {
            if (window.form.findChild<QWidget*>(QString::fromLatin1(name))->isVisible()) {
                return QString::fromLatin1(name);
            }
        }
        return {};
    }

    testing::RecordedMainWindow window;
};

TEST(SectionTabs, CtrlTabGoesRoundTheTabsAndThePresentationLeadsToTheEnds) {
    EXPECT_EQ(neighbourTab(Page::Inicio, true), Page::Textos);
    EXPECT_EQ(neighbourTab(Page::Ciclos, true), Page::Inicio);
    EXPECT_EQ(neighbourTab(Page::Inicio, false), Page::Ciclos);
    EXPECT_EQ(neighbourTab(Page::Apresentacao, true), Page::Inicio);
    EXPECT_EQ(neighbourTab(std::nullopt, false), Page::Ciclos);
}

TEST_F(MainWindowKeys, TabReachesEveryCommandOfASectionPageAndNothingHidden) {
    press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(indicatorShown(), u"BtLegislacao");
    EXPECT_EQ(focusName(), u"Edit4");
    const QStringList order = tabOrder();
    EXPECT_EQ(order, (QStringList{u"Edit4"_s, u"LBox"_s, u"Tavik12"_s, u"TLegislacao"_s,
                                  u"Tavik16"_s, u"Tavik1"_s, u"Image9"_s, u"Image21"_s,
                                  u"RlApresentacao"_s, u"RlBuscaGeral"_s, u"RlLumbra"_s,
                                  u"RlAtualizar"_s, u"RlInicio"_s, u"RlTextos"_s, u"RlJulgados"_s,
                                  u"RlExperiencias"_s, u"RlModelos"_s, u"RlCiclos"_s}))
        << order.join(u' ').toStdString();
}

TEST_F(MainWindowKeys, CtrlTabAndCtrlNumberChooseTabsAsTheirClicksDo) {
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(indicatorShown(), u"BtTextos");
    EXPECT_EQ(focusName(), u"Edit3");
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(indicatorShown(), u"BtCiclos");
    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(indicatorShown(), u"BtInicio");
    press(Qt::Key_7, Qt::ControlModifier);
    EXPECT_EQ(indicatorShown(), u"BtCiclos");
    EXPECT_TRUE(window.requests.isEmpty());
}

TEST_F(MainWindowKeys, SpaceOnAPictureButtonActsAsItsClickBeepIncluded) {
    auto* buscaGeral = window.find<PictureButton>(QStringLiteral("RlBuscaGeral"));
    int beeps = 0;
    buscaGeral->setMousePressHandler([&beeps] { ++beeps; });
    for (int i = 0; i < 40 && focusName() != u"RlBuscaGeral"; ++i) {
        press(Qt::Key_Tab);
    }
    ASSERT_EQ(focusName(), u"RlBuscaGeral");
    press(Qt::Key_Space);
    ASSERT_EQ(window.requests.size(), 1);
    EXPECT_EQ(window.requests.first().kind, u"T");
    EXPECT_EQ(beeps, 1);

    // A click leaves the focus where it was.
    testing::click(window.find<PictureButton>(QStringLiteral("RlLumbra")));
    EXPECT_EQ(focusName(), u"RlBuscaGeral");
    EXPECT_EQ(window.requests.size(), 2);
}

TEST_F(MainWindowKeys, EnterInATreeActsOnTheNodeTheKeyboardIsOn) {
    press(Qt::Key_2, Qt::ControlModifier);
    auto* tree = window.find<CategoryTree>(QStringLiteral("TTextos"));
    tree->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(tree->selectedItems().isEmpty());
    press(Qt::Key_Down);  // from "Autor" to "Título", nothing selected yet by a click
    press(Qt::Key_Return);
    ASSERT_EQ(window.requests.size(), 1);
    EXPECT_EQ(window.requests.first().kind, u"A");
    EXPECT_EQ(window.requests.first().argument, u"A02");

    press(Qt::Key_Down);  // "Temática", a heading: Enter opens it and lists nothing
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(tree->currentItem()->isExpanded());
    EXPECT_EQ(window.requests.size(), 1);
}

TEST_F(MainWindowKeys, CountersWithoutACollectionShowADashAndLabelsNameTheirFields) {
    EXPECT_EQ(window.form.sectionTotal(Section::Textos), u"—");
    EXPECT_EQ(window.form.sectionTotal(Section::Ciclos), u"—");
    auto* field = window.find<QLineEdit>(QStringLiteral("Edit7"));
    EXPECT_EQ(field->accessibleName(), u"Buscar por");
}

}  // namespace
}  // namespace corvanel
