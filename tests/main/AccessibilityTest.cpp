#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "Look.h"
#include "MainWindow.h"
#include "PageBrowser.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "TestCollection.h"
#include "UserSettings.h"

#include <QAccessible>
#include <QAction>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

namespace corvanel {
namespace {

using testing::q;

// Controls a user works with, by keyboard or pointer.
bool isInteractive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::Table:
        case QAccessible::PageTab:
        case QAccessible::Link:
        case QAccessible::MenuItem:
        case QAccessible::SpinBox:
            return true;
        default:
            return false;
    }
}

// Walks what a screen reader sees of a window: every shown control that
// takes the focus or a click must have a name. The page inside a browser
// is the page's own business; scroll bars keep the platform's names.
void walk(QAccessibleInterface* node, QStringList& unnamed, QStringList& heard) {
    if (node == nullptr || !node->isValid() || node->state().invisible) {
        return;
    }
    QObject* object = node->object();
    const QString name = node->text(QAccessible::Name);
    const bool editable = node->role() == QAccessible::EditableText && !node->state().readOnly;
    const bool reachable = !node->state().disabled &&
                           (node->state().focusable || editable || isInteractive(node->role()));
    if (object != nullptr && reachable && node->role() != QAccessible::ScrollBar) {
        const QString label = object->objectName().isEmpty()
                                  ? QString::fromLatin1(object->metaObject()->className())
                                  : object->objectName();
        if (name.trimmed().isEmpty()) {
            unnamed << label;
        }
        heard << label + u": " + name + u" / " + node->text(QAccessible::Description);
    }
    if (qobject_cast<PageBrowser*>(object) != nullptr) {
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        walk(node->child(i), unnamed, heard);
    }
}

QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    QStringList heard;
    walk(QAccessible::queryAccessibleInterface(window), unnamed, heard);
    if (qEnvironmentVariableIsSet("CORVANEL_PRINT_NAMES")) {
        std::cout << window->objectName().toStdString() << '\n';
        for (const QString& line : heard) {
            std::cout << "  " << line.toStdString() << '\n';
        }
    }
    return unnamed;
}

class Accessibility : public ::testing::Test {
protected:
    Accessibility() {
        QStandardPaths::setTestModeEnabled(true);
        UserSettings().raw().remove(QStringLiteral("aparencia"));
        corvanel.start();
    }
    ~Accessibility() override {
        Look::applyScheme(Look::Scheme::Design);
        UserSettings().raw().remove(QStringLiteral("aparencia"));
    }

    testing::RecordingPrompts prompts;
    testing::TestCollection collection{
        {testing::card(7, q("Estatuto"), q("Lei 8.069/90"), q("B"), q("B02 B06"))}};
    CorvanelApplication corvanel{collection.programFolder()};
};

TEST_F(Accessibility, EveryControlAUserCanReachHasAName) {
    MainWindow& form = *corvanel.mainWindow();
    EXPECT_EQ(unnamedControls(&form), QStringList());
    for (const char* page :
         {"extos1", "Legislao1", "Julgados1", "Experincias1", "Modelos1", "CiclosdeVida1"}) {
        form.findChild<QAction*>(QString::fromLatin1(page))->trigger();
        EXPECT_EQ(unnamedControls(&form), QStringList()) << page;
    }
    form.findChild<QAction*>(q("ListarLumbra1"))->trigger();
    EXPECT_EQ(unnamedControls(corvanel.resultList()), QStringList());
    corvanel.resultList()->run({.kind = q("T"), .words = q(""), .argument = q(" ")});
    EXPECT_EQ(unnamedControls(corvanel.resultList()), QStringList());
    corvanel.viewer()->openPage(collection.contentFolder(), q("7"), SaveBufferOnOpen::Empty);
    EXPECT_EQ(unnamedControls(corvanel.viewer()), QStringList());
}

// WCAG 2.1: relative luminance of sRGB colours, and their ratio.
double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(Accessibility, AltoContrasteDarkensTheGreensUnderTextAndIsRemembered) {
    MainWindow& form = *corvanel.mainWindow();
    QWidget* canvas = form.centralWidget();
    const QColor white(255, 255, 255);
    // The design's own look, as it was drawn.
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(123, 198, 33));
    EXPECT_EQ(Look::listSelection(false), QColor(107, 166, 231));
    EXPECT_LT(contrast(white, Look::windowGreen()), 4.5);

    auto* item = form.findChild<QAction*>(q("AltoContraste1"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->parent()->property("title").toString(), q("Exibir"));
    item->trigger();
    EXPECT_EQ(UserSettings().raw().value(q("aparencia/altoContraste")).toBool(), true);

    // White words on the window's green: the focused tree row, the selected
    // rows of the result list, the content-location buttons.
    const QColor green = canvas->palette().color(QPalette::Window);
    EXPECT_EQ(green, Look::windowGreen());
    EXPECT_GE(contrast(white, green), 4.5);
    EXPECT_GE(contrast(white, Look::listSelection(false)), 4.5);
    EXPECT_GE(contrast(white, Look::listSelection(true)), 4.5);
    EXPECT_GE(contrast(QColor(0, 128, 0), white), 4.5);  // section label lines
    auto* tree = form.findChild<QTreeWidget*>(q("TTextos"));
    tree->setFocus();
    EXPECT_GE(contrast(tree->palette().color(QPalette::HighlightedText),
                       tree->palette().color(QPalette::Highlight)),
              4.5);
    if (qEnvironmentVariableIsSet("CORVANEL_PRINT_NAMES")) {
        std::cout << "white on window green " << contrast(white, green) << "\nwhite on selection "
                  << contrast(white, Look::listSelection(false)) << " / focused "
                  << contrast(white, Look::listSelection(true)) << '\n';
    }

    item->trigger();
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(123, 198, 33));
    EXPECT_EQ(UserSettings().raw().value(q("aparencia/altoContraste")).toBool(), false);
}

}  // namespace
}  // namespace corvanel
