#include "RecordingPrompts.h"
#include "RememberedState.h"
#include "UserBrowser.h"
#include "WindowMemory.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using WindowPlacement::fittedFrame;

TEST(WindowPlacement, AWindowStaysWhereItFitsAndElseComesInsideTheAvailableArea) {
    const QRect fullHd(0, 0, 1920, 1040);
    // The result list's place fits a full-HD desktop as it is.
    EXPECT_EQ(fittedFrame({237, 167, 646, 387}, fullHd, {}), QRect(237, 167, 646, 387));
    // At twice the scale the desktop is 960 x 520 logical pixels: the list
    // moves up as little as it must, the main window shrinks to fit.
    const QRect doubled(0, 0, 960, 520);
    EXPECT_EQ(fittedFrame({237, 167, 646, 387}, doubled, {}), QRect(237, 133, 646, 387));
    EXPECT_EQ(fittedFrame({87, -40, 786, 600}, doubled, {}), QRect(87, 0, 786, 520));
    // A panel along the top or left pushes the window off it.
    EXPECT_EQ(fittedFrame({-6, -6, 300, 200}, {40, 30, 800, 600}, {}), QRect(40, 30, 300, 200));
    // Never below its minimum size; then its top left corner shows.
    EXPECT_EQ(fittedFrame({100, 100, 700, 500}, {0, 0, 640, 480}, {650, 414}),
              QRect(0, 0, 650, 480));
}

TEST(WindowPlacement, ShowingAWindowKeepsItOnItsScreen) {
    QWidget window;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize(200, 100);
    window.move(available.right() - 50, available.bottom() - 20);
    WindowPlacement::showOrRaise(&window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << window.frameGeometry().x() << ',' << window.frameGeometry().y();
}

// At a large scale the screen forces a window smaller; the next run, at
// another scale, must not take that for the user's choice.
TEST(WindowPlacement, ASizeTheScreenForcedIsNotRememberedAsTheUsers) {
    QTemporaryDir folder;
    RememberedState state(folder.filePath(QStringLiteral("corvanel.conf")));
    QWidget window;
    window.setObjectName(QStringLiteral("Form1"));
    auto* memory = new WindowMemory(&window, state);
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize wanted = available + QSize(120, 90);
    window.resize(wanted);
    WindowPlacement::keepInsideScreen(&window);
    EXPECT_LE(window.frameGeometry().height(), available.height());
    memory->remember();
    EXPECT_EQ(state.windowFrame(QStringLiteral("Form1"))->size, wanted);

    // A size the user gives it is theirs.
    window.resize(available / 2);
    memory->remember();
    EXPECT_EQ(state.windowFrame(QStringLiteral("Form1"))->size, available / 2);
}

TEST(UserBrowser, WithNoProgramForTheWebTheUserGetsTheAddressToCopy) {
    testing::RecordingPrompts prompts;
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    qputenv("PATH", "");
    qunsetenv("BROWSER");
    const QUrl address(QStringLiteral("https://www.example.org/lei?n=8069"));
    const bool opened = UserBrowser::open(address);
    qputenv("PATH", path);
    if (!browser.isEmpty()) {
        qputenv("BROWSER", browser);
    }
    ASSERT_FALSE(opened);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().contains(address.toString()));
    EXPECT_TRUE(prompts.messages.first().contains(QStringLiteral("navegador")));
}

}  // namespace
}  // namespace corvanel
