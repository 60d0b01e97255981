#include "BusyWindow.h"
#include "Collection.h"
#include "ContentLocationScreen.h"
#include "CorvanelApplication.h"
#include "MainWindow.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "TestCollection.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::RecordingPrompts;
using testing::TestCollection;

bool splashIsOpen() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("SplashScreen")) {
            return true;
        }
    }
    return false;
}

TEST(ProgramStartup, OpensTheMainWindowWithTheCollectionsCounts) {
    RecordingPrompts prompts;
    TestCollection collection({card(1, QStringLiteral("Lei"), QStringLiteral("Federal"),
                                    QStringLiteral("B"), QStringLiteral("B02 A04")),
                               card(2, QStringLiteral("Texto"), QStringLiteral("Ana"),
                                    QStringLiteral("A"), QStringLiteral("A03"))});
    CorvanelApplication corvanel(collection.programFolder());
    corvanel.start();

    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
    ASSERT_NE(corvanel.mainWindow(), nullptr);
    EXPECT_TRUE(corvanel.mainWindow()->isVisible());
    // The title bar names the collection open.
    EXPECT_EQ(corvanel.mainWindow()->windowTitle(),
              QDir::toNativeSeparators(collection.programFolder()));
    EXPECT_FALSE(splashIsOpen());
    EXPECT_FALSE(corvanel.busyScreen()->isVisible());
    EXPECT_EQ(corvanel.mainWindow()->totalDocuments(), QStringLiteral("2"));
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Textos), QStringLiteral("2"));
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Legislacao), QStringLiteral("1"));
    EXPECT_EQ(corvanel.collection().contentRoot(), collection.contentFolder());
    EXPECT_FALSE(corvanel.contentLocationScreen()->isVisible());
    EXPECT_FALSE(corvanel.resultList()->isVisible());
}

TEST(ProgramStartup, WithoutItsDatabaseTheProgramStillOpensAndSaysWhy) {
    RecordingPrompts prompts;
    QTemporaryDir emptyProgramFolder;
    CorvanelApplication corvanel(emptyProgramFolder.path());
    corvanel.start();

    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QStringLiteral("db3.mdb")));
    ASSERT_NE(corvanel.mainWindow(), nullptr);
    EXPECT_TRUE(corvanel.mainWindow()->isVisible());
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Textos), QStringLiteral("—"));
    EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Ciclos), QStringLiteral("—"));
    EXPECT_TRUE(corvanel.collection().contentRoot().isEmpty());
    EXPECT_FALSE(corvanel.contentLocationScreen()->isVisible());
}

TEST(ProgramStartup, ClosingTheMainWindowEndsTheProgram) {
    RecordingPrompts prompts;
    TestCollection collection({});
    CorvanelApplication corvanel(collection.programFolder());
    corvanel.start();
    QSignalSpy closed(corvanel.mainWindow(), &MainWindow::closed);
    corvanel.resultList()->show();
    corvanel.mainWindow()->close();
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace
}  // namespace corvanel
