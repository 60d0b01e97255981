#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "Favourites.h"
#include "FavouritesWindow.h"
#include "Look.h"
#include "MainWindow.h"
#include "PageBrowser.h"
#include "ReadingTools.h"
#include "RecordingPrompts.h"
#include "TestCollection.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::RecordingPrompts;
using testing::TestCollection;

// Two collections with pages of the same names, as collections have.
class Favourites : public ::testing::Test {
protected:
    Favourites() {
        QFile::remove(FavouritesFile::defaultFilePath());
        for (const TestCollection* collection : {&first, &second}) {
            QDir(collection->contentFolder()).mkpath(q("textos"));
            for (const char* page : {"1", "2"}) {
                QFile file(collection->contentFolder() + q("textos/") + q(page) + q(".htm"));
                EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(QByteArray("<meta charset=\"utf-8\"><title>Lei ") + page +
                           "</title><p>Texto.</p>");
            }
        }
        corvanel.start();
    }
    ~Favourites() override { QFile::remove(FavouritesFile::defaultFilePath()); }

    void openDocument(const QString& page) {
        QSignalSpy loaded(viewer().browser(), &QWebEngineView::loadFinished);
        viewer().openPage(first.contentFolder(), page, SaveBufferOnOpen::Empty);
        ASSERT_TRUE(loaded.wait(30000) || !loaded.isEmpty());
    }
    DocumentViewer& viewer() const { return *corvanel.viewer(); }
    FavouritesWindow& window() const { return *corvanel.readingTools()->favouritesWindow(); }
    QMenu* favouritesMenu() const {
        for (QAction* action : corvanel.mainWindow()->menuBar()->actions()) {
            if (action->menu() != nullptr && action->menu()->title() == u"Favoritos") {
                return action->menu();
            }
        }
        return nullptr;
    }
    // The menu's items as it shows them now.
    QStringList menuItems() const {
        QMenu* menu = favouritesMenu();
        Q_EMIT menu->aboutToShow();
        QStringList items;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
            }
        }
        return items;
    }

    RecordingPrompts prompts;
    TestCollection first{{card(1, q("Lei 1"), q("Federal"), q("B"), q("B02"))}};
    TestCollection second{{card(1, q("Lei 1"), q("Federal"), q("B"), q("B02"))}};
    CorvanelApplication corvanel{first.programFolder()};
};

TEST_F(Favourites, CtrlDKeepsTheDocumentWithANoteForItsCollectionAndTheMenuOpensIt) {
    QMenu* menu = favouritesMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> bar = corvanel.mainWindow()->menuBar()->actions();
    EXPECT_EQ(bar.at(bar.indexOf(menu->menuAction()) + 1)->text(), u"Sobre");
    EXPECT_EQ(menuItems().last(), u"(nenhum)");

    openDocument(q("2"));
    viewer().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer()));
    QTest::keyClick(&viewer(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(window().chosenPage(), u"2");
    QTest::keyClicks(window().noteField(), q("ver guarda"));
    QTest::keyClick(window().noteField(), Qt::Key_Return);

    const QList<Favourite> kept = FavouritesFile().list(window().collection());
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.first().title, u"Lei 2");
    EXPECT_EQ(kept.first().note, u"ver guarda");
    EXPECT_EQ(menuItems().last(), u"Lei 2");

    // From the menu, the viewer opens it.
    openDocument(q("1"));
    QSignalSpy loaded(viewer().browser(), &QWebEngineView::loadFinished);
    favouritesMenu()->actions().last()->trigger();
    ASSERT_TRUE(loaded.wait(30000) || !loaded.isEmpty());
    EXPECT_EQ(viewer().pageName(), u"2");

    // Another collection keeps its own; coming back finds the first's again.
    corvanel.switchCollection(second.programFolder());
    EXPECT_EQ(menuItems().last(), u"(nenhum)");
    EXPECT_EQ(window().list()->topLevelItemCount(), 0);
    corvanel.switchCollection(first.programFolder());
    EXPECT_EQ(menuItems().last(), u"Lei 2");
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

TEST_F(Favourites, RemovingAndSharingAReadingListGoThroughTheWindow) {
    openDocument(q("1"));
    viewer().addToFavourites();
    openDocument(q("2"));
    viewer().addToFavourites();
    ASSERT_EQ(window().list()->topLevelItemCount(), 2);

    QTemporaryDir folder;
    prompts.saveAnswer = folder.filePath(q("lista.json"));
    window().exportList();
    window().list()->setCurrentItem(window().list()->topLevelItem(0));
    window().removeChosen();
    EXPECT_EQ(window().chosenPage(), u"2");
    EXPECT_EQ(FavouritesFile().list(window().collection()).size(), 1);

    prompts.openAnswer = prompts.saveAnswer;
    window().importList();
    EXPECT_EQ(window().list()->topLevelItemCount(), 2);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages.first(), u"1 documento foi adicionado aos favoritos.");
}

// "Tema escuro" darkens the program's windows and leaves them as they were
// when it is left; pages keep their own colours.
TEST_F(Favourites, TheDarkThemeDarkensTheWindowsAndGivesBackTheDesignsLook) {
    QAction* dark = nullptr;
    for (QAction* action : corvanel.mainWindow()->menuBar()->findChildren<QAction*>()) {
        if (action->text() == u"Tema escuro") {
            dark = action;
        }
    }
    ASSERT_NE(dark, nullptr);
    QWidget* main = corvanel.mainWindow();
    const QColor designWindow =
        main->findChild<QWidget*>(q("PgInicio"))->palette().color(QPalette::Window);
    dark->trigger();
    EXPECT_EQ(Look::scheme(), Look::Scheme::Dark);
    EXPECT_LT(
        main->findChild<QWidget*>(q("PgInicio"))->palette().color(QPalette::Window).lightness(),
        80);
    EXPECT_LT(window().list()->palette().color(QPalette::Base).lightness(), 80);
    EXPECT_GT(window().list()->palette().color(QPalette::Text).lightness(), 180);
    dark->trigger();
    EXPECT_EQ(Look::scheme(), Look::Scheme::Design);
    EXPECT_EQ(main->findChild<QWidget*>(q("PgInicio"))->palette().color(QPalette::Window),
              designWindow);
}

}  // namespace
}  // namespace corvanel
