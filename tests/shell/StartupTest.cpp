#include "BusyWindow.h"
#include "DatabaseError.h"
#include "ErrorBox.h"
#include "FrameAnimation.h"
#include "PaintCounter.h"
#include "RecordingPrompts.h"
#include "SplashScreen.h"
#include "StartupSequence.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace corvanel {
namespace {

using testing::RecordingPrompts;

using testing::PaintCounter;

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts;
}

TEST(Splash, StartsWithItsLayoutTextsAndKeepsTheBarWithinRange) {
    SplashScreen splash;
    EXPECT_EQ(splash.size(), QSize(493, 269));
    EXPECT_EQ(splash.status(), QStringLiteral("Iniciando..."));
    EXPECT_EQ(splash.barPosition(), 0);
    EXPECT_TRUE(
        labelTexts(splash).contains(QStringLiteral("Aguarde enquanto o Lumbra é carregado.")));
    EXPECT_TRUE(labelTexts(splash).contains(QStringLiteral("Status: ")));

    splash.setBarPosition(95);
    splash.setBarPosition(splash.barPosition() + 11);
    EXPECT_EQ(splash.barPosition(), 100);
    splash.setBarPosition(-4);
    EXPECT_EQ(splash.barPosition(), 0);
}

TEST(Startup, CreatesTheWindowsInOrderWhileTheSplashReports) {
    SplashScreen splash;
    QStringList events;
    QObject::connect(&splash, &SplashScreen::statusChanged,
                     [&](const QString& text) { events << QStringLiteral("status ") + text; });
    QObject::connect(&splash, &SplashScreen::barPositionChanged,
                     [&](int position) { events << QStringLiteral("bar %1").arg(position); });
    const auto record = [&](const char* name) {
        return [&events, name] { events << QString::fromLatin1(name); };
    };
    StartupSteps steps;
    steps.createMainWindow = record("main window");
    steps.createUpdateAssistantAndAbout = record("update assistant and about");
    steps.createViewer = record("viewer");
    steps.createResultList = record("result list");
    steps.createInformationWindows = record("information windows");

    runStartupSteps(splash, steps);

    EXPECT_EQ(events, (QStringList{
                          QStringLiteral("main window"),
                          QStringLiteral("update assistant and about"),
                          QStringLiteral("status Configurando ambiente..."),
                          QStringLiteral("bar 10"),
                          QStringLiteral("status Inicializando banco de Dados..."),
                          QStringLiteral("viewer"),
                          QStringLiteral("result list"),
                          QStringLiteral("information windows"),
                          QStringLiteral("status Inicializando aplicativo."),
                          QStringLiteral("bar 100"),
                      }));
}

TEST(Startup, AWindowThatFailsToBeCreatedIsReportedAndStartupGoesOn) {
    RecordingPrompts prompts;
    SplashScreen splash;
    bool informationWindowsCreated = false;
    StartupSteps steps;
    steps.createResultList = [] {
        throw DatabaseError(QStringLiteral("Não foi possível abrir o banco de dados."));
    };
    steps.createInformationWindows = [&] { informationWindowsCreated = true; };

    runStartupSteps(splash, steps);

    EXPECT_EQ(prompts.errors,
              QStringList{QStringLiteral("Não foi possível abrir o banco de dados.")});
    EXPECT_TRUE(informationWindowsCreated);
    EXPECT_EQ(splash.status(), QStringLiteral("Inicializando aplicativo."));
}

TEST(ErrorBox, NothingEscapesAGuardedHandler) {
    RecordingPrompts prompts;
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("falha de leitura"); }));
    EXPECT_FALSE(runGuarded([] { throw 42; }));
    EXPECT_EQ(prompts.errors, (QStringList{QStringLiteral("falha de leitura"),
                                           QStringLiteral("Ocorreu um erro inesperado.")}));
}

TEST(BusyWindow, ShowsItsTextsTakesNoInputAndAnimates) {
    BusyWindow busy;
    EXPECT_FALSE(busy.isEnabled());
    EXPECT_FALSE(busy.isModal());
    EXPECT_EQ(busy.size(), QSize(235, 123));
    const QStringList texts = labelTexts(busy);
    EXPECT_TRUE(texts.contains(QStringLiteral("Aguarde...")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Localizando")));
    EXPECT_TRUE(busy.animation()->isPlaying());
    EXPECT_FALSE(busy.isVisible());
}

TEST(BusyWindow, ShowingPaintsAtOnceAndHidingHidesIt) {
    BusyWindow busy;
    busy.showBusy();
    EXPECT_TRUE(busy.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&busy));

    // The work that follows blocks the event loop: a paint only queued would
    // come after it.
    PaintCounter counter(&busy);
    busy.showBusy();
    EXPECT_GE(counter.paints, 1);

    busy.hideBusy();
    EXPECT_FALSE(busy.isVisible());
    busy.showBusy();
    EXPECT_TRUE(busy.isVisible()) << "the window serves again after being hidden";
    busy.hideBusy();
    EXPECT_TRUE(busy.animation()->isPlaying()) << "hiding never stops the clip";
}

TEST(SplashBar, OpeningTheCollectionAdvancesItToFullAndNoFurther) {
    SplashScreen splash;
    splash.setBarPosition(10);
    QList<int> positions;
    QObject::connect(&splash, &SplashScreen::barPositionChanged,
                     [&positions](int position) { positions << position; });
    advanceWhileOpeningCollection(splash);

    ASSERT_EQ(positions.size(), 1000);
    EXPECT_EQ(positions.mid(0, 10), (QList<int>{21, 32, 43, 54, 65, 76, 87, 98, 100, 100}));
    EXPECT_EQ(*std::max_element(positions.begin(), positions.end()), 100);
    EXPECT_EQ(splash.barPosition(), 100);
}

}  // namespace
}  // namespace corvanel
