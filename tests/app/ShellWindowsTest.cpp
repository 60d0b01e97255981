#include "AssociationWindow.h"
#include "Collection.h"
#include "ContentAddress.h"
#include "ContentLocationScreen.h"
#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "MainWindow.h"
#include "PageBrowser.h"
#include "PictureButton.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "TestCollection.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::RecordingPrompts;
using testing::TestCollection;

void click(const QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    FAIL() << "no button " << caption.toStdString();
}

TEST(ContentLocationAtStartup, AMissingMarkerBringsTheScreenAndTheNextStartReadsThePick) {
    RecordingPrompts prompts;
    const TestCollection collection(
        {},
        {.root = QStringLiteral("/media/cdrom/"), .withRootRow = true, .withMarkerFile = false});
    QTemporaryDir newContent;
    const QString marker = newContent.filePath(QStringLiteral("labels.dat"));
    QFile(marker).open(QIODevice::WriteOnly);

    {
        CorvanelApplication corvanel(collection.programFolder());
        corvanel.start();
        ContentLocationScreen* screen = corvanel.contentLocationScreen();
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_TRUE(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(corvanel.mainWindow()->isVisible());

        QSignalSpy terminations(screen, &ContentLocationScreen::terminationRequested);
        const ContentFolder before = corvanel.collection().contentFolder();
        prompts.openAnswer = marker;
        click(*screen, QStringLiteral("LOCALIZAR"));
        click(*screen, QStringLiteral("FECHAR"));
        EXPECT_EQ(terminations.count(), 1);
        EXPECT_EQ(corvanel.collection().contentFolder(), before)
            << "the running program keeps its folder";
    }

    CorvanelApplication next(collection.programFolder());
    next.start();
    EXPECT_EQ(next.collection().contentRoot(),
              QDir::toNativeSeparators(newContent.path() + QStringLiteral("/")));
    EXPECT_FALSE(next.contentLocationScreen()->isVisible());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

TEST(InformationWindowsAtStartup, AreCreatedHiddenAndReadTheResultListsRootWhenShown) {
    RecordingPrompts prompts;
    const TestCollection collection({});
    CorvanelApplication corvanel(collection.programFolder());
    corvanel.start();
    ASSERT_NE(corvanel.updateAssistant(), nullptr);
    ASSERT_NE(corvanel.aboutWindow(), nullptr);
    ASSERT_NE(corvanel.partnerWindow(), nullptr);
    ASSERT_NE(corvanel.associationWindow(), nullptr);
    ASSERT_NE(corvanel.viewer(), nullptr);
    EXPECT_FALSE(corvanel.associationWindow()->isVisible());
    EXPECT_FALSE(corvanel.viewer()->isVisible());

    corvanel.associationWindow()->show();
    EXPECT_EQ(corvanel.associationWindow()->browser()->lastAddress(),
              ContentAddress::pageAddress(collection.contentFolder(), QStringLiteral("ZEFT")));
    // The viewer prints the page under the root the result list read at start.
    corvanel.viewer()->openPage(corvanel.collection().contentRoot(), QStringLiteral("help"),
                                SaveBufferOnOpen::Keep);
    corvanel.viewer()->findChild<PictureButton*>(QStringLiteral("Bt_imprimir"))->click();
    EXPECT_EQ(corvanel.viewer()->browser()->lastAddress(),
              ContentAddress::printAddress(collection.contentFolder(), QStringLiteral("help")));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace corvanel
