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
#include <QFile>
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

// A collection that cannot be opened never leaves the program on an empty
// window: the user opens another one, or the program ends.
TEST(ProgramStartup, ACollectionThatCannotBeOpenedOffersAnotherOrQuits) {
    TestCollection good({card(1, QStringLiteral("Lei"), QStringLiteral("Federal"),
                              QStringLiteral("B"), QStringLiteral("B02"))});
    QTemporaryDir missing;
    TestCollection damaged({});
    QFile file(damaged.databasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(8192, 'x'));
    file.close();

    for (const QString& folder : {missing.path(), damaged.programFolder()}) {
        SCOPED_TRACE(folder.toStdString());
        {
            RecordingPrompts prompts;
            CorvanelApplication corvanel(folder);
            EXPECT_FALSE(corvanel.start());
            ASSERT_EQ(prompts.offers.size(), 1);
            EXPECT_TRUE(prompts.offers.first().startsWith(QStringLiteral("A coleção em")))
                << prompts.offers.first().toStdString();
            EXPECT_TRUE(prompts.offers.first().contains(QStringLiteral("db3.mdb")));
            EXPECT_TRUE(prompts.folderDialogs.isEmpty());
            EXPECT_FALSE(corvanel.mainWindow()->isVisible());
            EXPECT_FALSE(splashIsOpen());
        }
        RecordingPrompts prompts;
        prompts.offerAnswers = {true};
        prompts.folderAnswer = good.programFolder();
        CorvanelApplication corvanel(folder);
        EXPECT_TRUE(corvanel.start());
        EXPECT_EQ(prompts.offers.size(), 1);
        EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
        EXPECT_TRUE(corvanel.mainWindow()->isVisible());
        EXPECT_EQ(corvanel.mainWindow()->sectionTotal(Section::Legislacao), QStringLiteral("1"));
        EXPECT_EQ(corvanel.collection().contentRoot(), good.contentFolder());
    }
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
