#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "MainWindow.h"
#include "PageBrowser.h"
#include "PageMarker.h"
#include "PictureButton.h"
#include "RecordingPrompts.h"
#include "RememberedState.h"
#include "ResultListWindow.h"
#include "SearchHistory.h"
#include "TestCollection.h"
#include "UserSettings.h"
#include "ZoomControl.h"

#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCollection;

// The program's windows, made anew for every "run" over one settings file.
class RememberedReading : public ::testing::Test {
protected:
    RememberedReading() {
        QFile::remove(UserSettings::defaultFilePath());
        QDir(collection.contentFolder()).mkpath(q("textos"));
        for (const char* page : {"1", "2", "help"}) {
            QFile file(collection.contentFolder() + q("textos/") + q(page) + q(".htm"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<meta charset=\"utf-8\"><title>Página ") + page +
                       "</title><p>A guarda compartilhada, a Guarda.</p>");
        }
    }
    ~RememberedReading() override { QFile::remove(UserSettings::defaultFilePath()); }

    void startProgram() {
        corvanel = std::make_unique<CorvanelApplication>(collection.programFolder());
        corvanel->start();
    }
    ResultListWindow& results() const { return *corvanel->resultList(); }
    DocumentViewer& viewer() const { return *corvanel->viewer(); }
    QMenu& recentMenu() const {
        return *corvanel->mainWindow()->menuBar()->findChild<QMenu*>(q("DocumentosRecentes1"));
    }
    QStringList recentItems() const {
        QMenu& menu = recentMenu();
        Q_EMIT menu.aboutToShow();
        QStringList items;
        for (const QAction* action : menu.actions()) {
            items << action->text();
        }
        return items;
    }
    // A key-word search among all texts, then the first document found.
    void searchAndOpen(const QString& words) {
        results().run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
        results().searchBox()->setText(words);
        results().search();
        QSignalSpy marked(viewer().marker(), &PageMarker::positionChanged);
        results().openLine(results().resultList()->model()->index(1, 0));
        EXPECT_TRUE(marked.wait(30000));
    }

    TestCollection collection{
        {card(1, q("Guarda compartilhada"), q("Silva, Ana"), q("A"), q("A03")),
         card(2, q("Adoção"), q("Souza, Bia"), q("A"), q("A04"))}};
    testing::RecordingPrompts prompts;
    std::unique_ptr<CorvanelApplication> corvanel;
};

TEST_F(RememberedReading, ZoomPlacesFolderAndHistorySurviveNewWindows) {
    const QTemporaryDir saved;
    startProgram();
    searchAndOpen(q("GUARDA"));
    EXPECT_EQ(viewer().pageName(), q("1"));
    EXPECT_EQ(viewer().searchWords(), QStringList{q("GUARDA")});
    EXPECT_EQ(viewer().marker()->count(), 2);
    viewer().zoom()->zoomIn();
    viewer().zoom()->zoomIn();
    EXPECT_DOUBLE_EQ(viewer().browser()->zoomFactor(), 1.25);
    const int listPixels = results().resultList()->font().pixelSize();
    results().zoom()->zoomIn();
    EXPECT_GT(results().resultList()->font().pixelSize(), listPixels);
    viewer().move(12, 20);
    viewer().resize(viewer().size() + QSize(10, 8));
    const QRect viewerFrame = viewer().frameGeometry();
    prompts.saveAnswer = saved.filePath(q("copia.htm"));
    viewer().findChild<PictureButton*>(q("Bt_Salvar"))->click();
    viewer().close();
    corvanel.reset();

    startProgram();
    EXPECT_DOUBLE_EQ(viewer().zoom()->factor(), 1.25);
    EXPECT_DOUBLE_EQ(results().zoom()->factor(), 1.1);
    EXPECT_GT(results().resultList()->font().pixelSize(), listPixels);
    viewer().openPage(collection.contentFolder(), q("2"), SaveBufferOnOpen::Empty);
    EXPECT_EQ(viewer().frameGeometry(), viewerFrame);
    prompts.saveDialogs.clear();
    prompts.saveAnswer.clear();
    viewer().findChild<PictureButton*>(q("Bt_Salvar"))->click();
    EXPECT_EQ(prompts.saveDialogs.value(0),
              saved.filePath(q("2.htm")) + q("|Salvar como Página da Web (*.htm)"));

    // The search box offers the last search; the menu the documents.
    EXPECT_EQ(corvanel->searchHistory().searches(), QStringList{q("GUARDA")});
    EXPECT_NE(results().searchBox()->completer(), nullptr);
    EXPECT_EQ(recentItems(), (QStringList{q("&1 2"), q("&2 Página 1")}));
    recentMenu().actions().value(1)->trigger();
    EXPECT_EQ(viewer().pageName(), q("1"));

    corvanel->mainWindow()->findChild<QAction*>(q("LimparHistorico1"))->trigger();
    EXPECT_EQ(recentItems(), QStringList{q("(nenhum)")});
    EXPECT_TRUE(corvanel->searchHistory().searches().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

TEST_F(RememberedReading, ADocumentMissingFromTheCollectionIsReportedNotOpened) {
    RememberedState(UserSettings::defaultFilePath())
        .rememberDocument(collection.programFolder(), {q("L99"), q("Lei antiga")});
    startProgram();
    EXPECT_EQ(recentItems(), QStringList{q("&1 Lei antiga")});
    recentMenu().actions().value(0)->trigger();
    EXPECT_EQ(prompts.errors, QStringList{q("O documento \"L99\" não está na coleção aberta.")});
    EXPECT_FALSE(viewer().isVisible());
}

// A page name means a document only in its own collection.
TEST_F(RememberedReading, TheMenuTurnsPassagesOffForThisRunAndTheNext) {
    startProgram();
    QAction* passages = corvanel->mainWindow()->findChild<QAction*>(q("Trechos1"));
    ASSERT_NE(passages, nullptr);
    EXPECT_TRUE(passages->isCheckable());
    EXPECT_TRUE(passages->isChecked());
    EXPECT_TRUE(results().passagesShown());
    passages->trigger();
    EXPECT_FALSE(results().passagesShown());
    corvanel.reset();

    startProgram();
    passages = corvanel->mainWindow()->findChild<QAction*>(q("Trechos1"));
    EXPECT_FALSE(results().passagesShown());
    EXPECT_FALSE(passages->isChecked());
    results().setPassagesShown(true);
    EXPECT_TRUE(passages->isChecked());
    corvanel.reset();
    EXPECT_TRUE(RememberedState(UserSettings::defaultFilePath()).passagesShown());
}

TEST(RecentDocuments, EachCollectionKeepsItsOwn) {
    QTemporaryDir folder;
    const QString sample = folder.filePath(q("amostra"));
    const QString other = folder.filePath(q("outra"));
    RememberedState state(folder.filePath(q("corvanel.conf")));
    state.rememberDocument(sample, {q("205"), q("Estatuto")});
    state.rememberDocument(other, {q("7"), QString()});
    state.rememberDocument(other, {q("205"), q("Outro estatuto")});
    for (int i = 0; i < RememberedState::kHistoryLength + 2; ++i) {
        state.rememberDocument(other, {QString::number(100 + i), QString()});
    }

    EXPECT_EQ(state.recentDocuments(sample), (QList<RecentDocument>{{q("205"), q("Estatuto")}}));
    // The same folder written otherwise is the same collection.
    EXPECT_EQ(state.recentDocuments(sample + q("/../amostra/")), state.recentDocuments(sample));
    const QList<RecentDocument> others = state.recentDocuments(other);
    EXPECT_EQ(others.size(), RememberedState::kHistoryLength);
    EXPECT_EQ(others.first().pageName, q("111"));
    EXPECT_TRUE(state.recentDocuments(folder.filePath(q("nenhuma"))).isEmpty());
}

TEST_F(RememberedReading, DamagedSettingsAreSurvivedWithDefaults) {
    const QString file = UserSettings::defaultFilePath();
    QDir().mkpath(QFileInfo(file).path());
    // Values no run of the program writes.
    {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(
            "[leitor]\nzoom=muito\n[lista]\nzoom=1e308\ntrechos=talvez\n"
            "[janelas]\nForm10\\posicao=@Point(900000 -900000)\n"
            "Form10\\tamanho=@Size(0 0)\nTextos\\posicao=texto\n"
            "[historico]\nbuscas=, ,guarda,guarda\n"
            "documentos\\size=3\ndocumentos\\1\\pagina=\ndocumentos\\2\\pagina=1\n"
            "documentos\\2\\colecao=" +
            collection.programFolder().toUtf8() + "\n");
    }
    startProgram();
    EXPECT_DOUBLE_EQ(viewer().zoom()->factor(), 1.0);
    EXPECT_DOUBLE_EQ(results().zoom()->factor(), 1.0);
    EXPECT_TRUE(results().passagesShown());
    EXPECT_EQ(corvanel->searchHistory().searches(), QStringList{q("guarda")});
    EXPECT_EQ(corvanel->rememberedState().recentDocuments(collection.programFolder()),
              (QList<RecentDocument>{{q("1"), QString()}}));
    viewer().openPage(collection.contentFolder(), q("1"), SaveBufferOnOpen::Empty);
    const QPoint screenCentre = viewer().screen()->availableGeometry().center();
    EXPECT_LE((viewer().frameGeometry().center() - screenCentre).manhattanLength(), 1);
    corvanel.reset();

    // A file that is no settings file at all is set aside whole.
    {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray("[janelas\n\x01\x02=\xff\xfe\0\0[[[\n", 16));
    }
    startProgram();
    EXPECT_DOUBLE_EQ(viewer().zoom()->factor(), 1.0);
    viewer().zoom()->zoomOut();
    corvanel.reset();
    EXPECT_DOUBLE_EQ(RememberedState(file).zoom(q("leitor")).value_or(0), 0.9);
}

}  // namespace
}  // namespace corvanel
