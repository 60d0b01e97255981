#include "ContentLocationScreen.h"
#include "ContentRootStore.h"
#include "DatabaseError.h"
#include "RecordingPrompts.h"
#include "Sqlite.h"
#include "TestCollection.h"

#include <QDir>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
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

// The screen, shown, over a real collection whose content root lacks its
// marker; the user works it with the mouse.
class ContentLocationScreenTest : public ::testing::Test {
protected:
    ContentLocationScreenTest()
        : collection({}, {.root = kOldRoot, .withRootRow = true, .withMarkerFile = false}),
          screen(collection.programFolder()),
          terminations(&screen, &ContentLocationScreen::terminationRequested) {
        screen.showOnTop();
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

    QStringList roots() const { return storedRoots(collection.databasePath()); }

    RecordingPrompts prompts;
    TestCollection collection;
    ContentLocationScreen screen;
    QSignalSpy terminations;
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
    EXPECT_EQ(roots(), QStringList{kOldRoot});
}

TEST_F(ContentLocationScreenTest, StoresTheFolderOfTheLastFilePickedInEveryRow) {
    sqlite::Connection(collection.databasePath(), sqlite::OpenMode::ReadWrite)
        .executeScript("insert into CONTROLE (topo, tipo) values (2, 'outra')");
    pick(QStringLiteral("/media/cdrom/labels.dat"));
    pick(QStringLiteral("/media/dvd/colecao/config.dat"));
    pick(QString());  // cancelled: the earlier pick stays
    click(QStringLiteral("FECHAR"));
    EXPECT_EQ(terminations.count(), 1);
    const QString folder = QDir::toNativeSeparators(QStringLiteral("/media/dvd/colecao/"));
    EXPECT_EQ(roots(), (QStringList{folder, folder}));
}

TEST_F(ContentLocationScreenTest, AFolderWithAQuoteAndAccentsIsStoredAsItIs) {
    const QString folder = QDir::toNativeSeparators(QStringLiteral("/mídia/Coleção d'Água/"));
    pick(folder + QStringLiteral("labels.dat"));
    click(QStringLiteral("FECHAR"));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
    EXPECT_EQ(roots(), QStringList{folder});
}

TEST_F(ContentLocationScreenTest, ALockedDatabaseKeepsTheScreenAndThePreviousRoot) {
    sqlite::Connection other(collection.databasePath(), sqlite::OpenMode::ReadWrite);
    other.executeScript("BEGIN EXCLUSIVE");
    pick(QStringLiteral("/media/dvd/labels.dat"));
    click(QStringLiteral("FECHAR"));
    other.executeScript("ROLLBACK");

    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QStringLiteral("locked")));
    EXPECT_EQ(terminations.count(), 0);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(roots(), QStringList{kOldRoot});
}

TEST(ContentLocationStore, AMissingDatabaseOrRootRowIsAnErrorNotASilentExit) {
    QTemporaryDir emptyProgramFolder;
    EXPECT_THROW(ContentRootStore::store(emptyProgramFolder.path(), kOldRoot), DatabaseError);
    const TestCollection noRootRow({}, {.root = {}, .withRootRow = false, .withMarkerFile = true});
    EXPECT_THROW(ContentRootStore::store(noRootRow.programFolder(), kOldRoot), DatabaseError);
}

}  // namespace
}  // namespace corvanel
