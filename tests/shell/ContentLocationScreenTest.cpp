#include "ContentLocationScreen.h"
#include "ContentRootStore.h"
#include "RecordingPrompts.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "UserSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::RecordingPrompts;
using testing::TestCollection;

const QString kOldRoot = QStringLiteral("/media/cdrom/");

QStringList storedRoots(const QString& databasePath) {
    sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
    sqlite::Statement rows(db, "select tipo from CONTROLE order by topo");
    QStringList roots;
    while (rows.step()) {
        roots << rows.text(0);
    }
    return roots;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The screen, shown, over a real collection whose content root lacks its
// marker; the user works it with the mouse. What it stores goes to the
// user's settings; the collection's file stays as it was.
class ContentLocationScreenTest : public ::testing::Test {
protected:
    ContentLocationScreenTest()
        : collection({}, {.root = kOldRoot, .withRootRow = true, .withMarkerFile = false}),
          screen(collection.programFolder()),
          terminations(&screen, &ContentLocationScreen::terminationRequested),
          fileBefore(bytesOf(collection.databasePath())) {
        screen.showOnTop();
    }

    ~ContentLocationScreenTest() override {
        EXPECT_EQ(bytesOf(collection.databasePath()), fileBefore);
        EXPECT_EQ(storedRoots(collection.databasePath()), QStringList{kOldRoot});
    }

    void click(const QString& caption) {
        for (QPushButton* button : screen.findChildren<QPushButton*>()) {
            if (button->text() == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        FAIL() << "no button " << caption.toStdString();
    }

    void pick(const QString& file) {
        prompts.openAnswer = file;
        click(QStringLiteral("LOCALIZAR"));
    }

    // The folder start-up will find for this collection.
    QStringList roots() const {
        const std::optional<QString> chosen =
            UserSettings().contentRootFor(collection.programFolder());
        return chosen ? QStringList{*chosen} : QStringList{};
    }

    RecordingPrompts prompts;
    TestCollection collection;
    ContentLocationScreen screen;
    QSignalSpy terminations;
    QByteArray fileBefore;
};

TEST_F(ContentLocationScreenTest, IsATopMostWindowWhoseWholeMessageCanBeRead) {
    EXPECT_EQ(screen.size(), QSize(574, 383));
    EXPECT_TRUE(screen.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(screen.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QStringList lines = screen.message().split(u'\n');
    ASSERT_EQ(lines.size(), 24);
    EXPECT_TRUE(lines.last().contains(u'@')) << "ends with the support address";
    // The memo does not wrap: every line must fit, whatever font stands in.
    const auto* memo = screen.findChild<QPlainTextEdit*>();
    ASSERT_NE(memo, nullptr);
    for (const QString& line : lines) {
        EXPECT_LE(QFontMetrics(memo->font()).horizontalAdvance(line), memo->viewport()->width())
            << line.toStdString();
    }
}

TEST_F(ContentLocationScreenTest, ClosingWithoutAPickOrAfterACancelEndsTheProgramAndStoresNothing) {
    pick(QString());
    ASSERT_EQ(prompts.openDialogs.size(), 1);
    EXPECT_TRUE(prompts.openDialogs.first().endsWith(
        QStringLiteral("Arquivo de Configuração (.dat) (*.dat)")));
    click(QStringLiteral("FECHAR"));
    EXPECT_EQ(terminations.count(), 1);
    EXPECT_TRUE(roots().isEmpty());
}

TEST_F(ContentLocationScreenTest, StoresTheFolderOfTheLastFilePicked) {
    pick(QStringLiteral("/media/cdrom/labels.dat"));
    pick(QStringLiteral("/media/dvd/colecao/config.dat"));
    pick(QString());  // cancelled: the earlier pick stays
    click(QStringLiteral("FECHAR"));
    EXPECT_EQ(terminations.count(), 1);
    const QString folder = QDir::toNativeSeparators(QStringLiteral("/media/dvd/colecao/"));
    EXPECT_EQ(roots(), QStringList{folder});
}

TEST_F(ContentLocationScreenTest, AFolderWithAQuoteAndAccentsIsStoredAsItIs) {
    const QString folder = QDir::toNativeSeparators(QStringLiteral("/mídia/Coleção d'Água/"));
    pick(folder + QStringLiteral("labels.dat"));
    click(QStringLiteral("FECHAR"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
    EXPECT_EQ(roots(), QStringList{folder});
}

TEST_F(ContentLocationScreenTest, UnwritableSettingsKeepTheScreenAndSaySo) {
    // A file where the settings' folder should be: nothing can be written there.
    const QString settingsFolder = QFileInfo(UserSettings::defaultFilePath()).absolutePath();
    QDir(settingsFolder).removeRecursively();
    QFile blocking(settingsFolder);
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    blocking.close();
    pick(QStringLiteral("/media/dvd/labels.dat"));
    click(QStringLiteral("FECHAR"));
    QFile::remove(settingsFolder);

    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QStringLiteral("configurações")));
    EXPECT_EQ(terminations.count(), 0);
    EXPECT_TRUE(screen.isVisible());
}

// A received collection whose CONTROLE empties the texts when written to:
// storing a folder for it opens nothing of it.
TEST(ContentLocationStore, StoringAFolderRunsNothingTheCollectionHolds) {
    const TestCollection collection({testing::card(1, QStringLiteral("Estatuto"), {},
                                                   QStringLiteral("B"), QStringLiteral("B01"))});
    sqlite::Connection(collection.databasePath(), sqlite::OpenMode::ReadWrite)
        .executeScript(
            "create trigger esvazia after update on CONTROLE begin delete from TEXTOS; end");
    const QByteArray before = bytesOf(collection.databasePath());
    EXPECT_EQ(ContentRootStore::store(collection.programFolder(), kOldRoot),
              ContentRootStore::StoredIn::UserSettings);
    EXPECT_EQ(UserSettings().contentRootFor(collection.programFolder()), kOldRoot);
    EXPECT_EQ(bytesOf(collection.databasePath()), before);
}

}  // namespace
}  // namespace corvanel
