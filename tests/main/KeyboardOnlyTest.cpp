#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "MainWindow.h"
#include "RecordingPrinter.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "TestCollection.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;

// The user's keyboard: every key goes to the control with the focus in the
// window in front, as the platform delivers it. No step here touches a mouse.
class Keyboard {
public:
    // The window in front, once it is active.
    void in(QWidget& window) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window_ = &window;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* target = window_->focusWidget() != nullptr ? window_->focusWidget() : window_;
        QTest::keyClick(target, key, modifiers);
    }
    void type(const QString& text) const {
        ASSERT_NE(window_->focusWidget(), nullptr);
        QTest::keyClicks(window_->focusWidget(), text);
    }
    // Tab until the control named name has the focus.
    void tabTo(const QString& name) const {
        for (int i = 0; i < 40 && focusName() != name; ++i) {
            press(Qt::Key_Tab);
        }
        ASSERT_EQ(focusName(), name) << "Tab never reaches " << name.toStdString();
    }
    QString focusName() const {
        const QWidget* focus = window_->focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

private:
    QWidget* window_ = nullptr;
};

void writePage(const QString& contentFolder, const QString& code, const char* text) {
    QDir(contentFolder).mkpath(QStringLiteral("textos"));
    QFile page(contentFolder + QStringLiteral("textos/") + code + QStringLiteral(".htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<script>if (location.search == '?op=Imprimir') onload = function () { print(); };"
        "</script>");
    page.write(text);
}

// Start to a printed document, then Busca Geral, by keys alone.
TEST(KeyboardOnly, FromStartToAPrintedDocumentAndThroughBuscaGeral) {
    testing::RecordingPrompts prompts;
    QTemporaryDir saved;
    testing::RecordingPrinter printer;
    testing::TestCollection collection(
        {card(7, q("Estatuto da Criança e do Adolescente"), q("Lei 8.069/90"), q("B"), q("B02 B06"),
              q("estatuto lei")),
         card(8, q("Lei do SINASE"), q("Congresso Nacional"), q("B"), q("B02"), q("sinase lei"))});
    writePage(collection.contentFolder(), q("7"), "Lei 8.069");
    writePage(collection.contentFolder(), q("8"), "SINASE");

    CorvanelApplication corvanel(collection.programFolder());
    corvanel.start();
    MainWindow& form = *corvanel.mainWindow();
    form.activateWindow();
    Keyboard keys;
    keys.in(form);

    // Legislação, its tree, "Temática" opened, "Direito à Vida e à Saúde".
    keys.press(Qt::Key_3, Qt::ControlModifier);
    keys.tabTo(q("TLegislacao"));
    keys.press(Qt::Key_Down);   // Nacional
    keys.press(Qt::Key_Down);   // Temática
    keys.press(Qt::Key_Right);  // opens it
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Return);

    ResultListWindow& results = *corvanel.resultList();
    keys.in(results);
    EXPECT_EQ(results.request().argument, q("B"));
    ASSERT_EQ(results.lineKeys().value(0), q("7"));
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Return);

    DocumentViewer& viewer = *corvanel.viewer();
    keys.in(viewer);
    EXPECT_EQ(viewer.pageName(), q("7"));
    prompts.saveAnswer = saved.filePath(q("estatuto"));
    keys.tabTo(q("Bt_Salvar"));
    keys.press(Qt::Key_Space);
    EXPECT_TRUE(QFile::exists(saved.filePath(q("estatuto.htm"))));
    keys.tabTo(q("Bt_imprimir"));
    keys.press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&printer] { return printer.asked > 0; }, 60000));

    // Back to the main window, as the desktop's own keys switch windows.
    form.activateWindow();
    keys.in(form);
    keys.tabTo(q("RlBuscaGeral"));
    keys.press(Qt::Key_Space);
    keys.in(results);
    ASSERT_EQ(keys.focusName(), q("Edit3"));
    keys.type(q("lei"));
    keys.press(Qt::Key_Return);
    const int found = results.countField()->text().toInt();
    EXPECT_EQ(found, 2);

    keys.press(Qt::Key_A, Qt::ControlModifier);  // the box's own "select all"
    keys.type(q("sinase"));
    keys.tabTo(q("Tavik3"));
    keys.press(Qt::Key_Space);
    EXPECT_EQ(results.countField()->text().toInt(), 1);
    keys.tabTo(q("Tavik4"));
    keys.press(Qt::Key_Space);
    EXPECT_EQ(results.countField()->text().toInt(), found);

    keys.tabTo(q("ListBox1"));
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Down);
    keys.press(Qt::Key_Enter, Qt::KeypadModifier);
    keys.in(viewer);
    EXPECT_TRUE(viewer.pageName() == q("7") || viewer.pageName() == q("8"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace corvanel
