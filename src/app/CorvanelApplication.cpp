#include "CorvanelApplication.h"

#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "BusyWindow.h"
#include "Collection.h"
#include "CollectionLocation.h"
#include "CollectionOpener.h"
#include "ConnectionString.h"
#include "ContentAddress.h"
#include "ContentLocationScreen.h"
#include "ContrastSetting.h"
#include "DarkPages.h"
#include "DocumentViewer.h"
#include "ErrorBox.h"
#include "Look.h"
#include "MainWindow.h"
#include "PartnerWindow.h"
#include "Prompts.h"
#include "ReadingTools.h"
#include "RememberedState.h"
#include "ResultListWindow.h"
#include "SearchHistory.h"
#include "SearchOptions.h"
#include "SplashScreen.h"
#include "StartupSequence.h"
#include "UpdateAssistant.h"
#include "UserSettings.h"
#include "WindowMemory.h"
#include "ZoomControl.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace corvanel {

CorvanelApplication::CorvanelApplication(QString programFolder)
    : programFolder_(std::move(programFolder)),
      collection_(std::make_unique<Collection>(connectionStringFor(programFolder_))),
      opener_(std::make_unique<CollectionOpener>()),
      state_(std::make_unique<RememberedState>()),
      searchHistory_(std::make_unique<SearchHistory>(*state_)) {}

CorvanelApplication::~CorvanelApplication() = default;

bool CorvanelApplication::start() {
    // The splash already in the look the main window will show.
    Look::applyScheme(ContrastSetting::schemeAtStart());
    DarkPages::applyStored();
    auto splash = std::make_unique<SplashScreen>();
    splash->show();
    splash->repaint();

    busy_ = std::make_unique<BusyWindow>();
    contentLocation_ = std::make_unique<ContentLocationScreen>(programFolder_);
    QObject::connect(contentLocation_.get(), &ContentLocationScreen::terminationRequested, qApp,
                     &QCoreApplication::quit);
    splash->repaint();

    StartupSteps steps;
    steps.createMainWindow = [this] {
        mainWindow_ = std::make_unique<MainWindow>();
        mainWindow_->setCollection(collection_.get());
        QObject::connect(mainWindow_.get(), &MainWindow::closed, qApp, &QCoreApplication::quit);
        mainWindow_->setCollectionOpener([this] { openAnotherCollection(); });
    };
    steps.createUpdateAssistantAndAbout = [this] { createUpdateAssistantAndAbout(); };
    steps.createViewer = [this] { createViewer(); };
    steps.createResultList = [this, &splash] { createResultList(*splash); };
    steps.createInformationWindows = [this] { createInformationWindows(); };
    runStartupSteps(*splash, steps);

    splash->hide();
    splash.reset();
    if (!collectionOpened_) {
        return false;
    }
    rememberReading();

    if (mainWindow_) {
        mainWindow_->show();
    }
    // Stays on top by itself under a window manager; without one the window
    // shown last would cover it.
    if (contentLocation_->isVisible()) {
        contentLocation_->raise();
    }
    return true;
}

void CorvanelApplication::createResultList(SplashScreen& splash) {
    resultList_ = std::make_unique<ResultListWindow>(*collection_);
    resultList_->setBusyWindow(busy_.get());
    resultList_->searchOptions()->rememberIn(*state_);
    const auto openInViewer = [this](const QString& pageName, SaveBufferOnOpen saveBuffer,
                                     const QStringList& searchWords, const MarkChoices& marking) {
        if (viewer_) {
            viewer_->openPage(contentRoot(), pageName, saveBuffer, searchWords, marking);
        }
    };
    resultList_->setPageOpeners(
        {[openInViewer](const DocumentToOpen& document) {
             openInViewer(document.pageName, SaveBufferOnOpen::Empty, document.searchWords,
                          {.wholeWords = document.matching == WordMatching::WholeWords,
                           .near = document.passage});
         },
         [openInViewer] {
             openInViewer(ContentAddress::kHelpPage.toString(), SaveBufferOnOpen::Keep, {}, {});
         }});
    if (mainWindow_) {
        mainWindow_->setResultList(resultList_.get());
    }
    advanceWhileOpeningCollection(splash);
    collectionOpened_ = openAtStart();
}

bool CorvanelApplication::openAtStart() {
    while (true) {
        CollectionOpener::Outcome outcome = opener_->open(programFolder_);
        if (outcome.collection) {
            adopt(std::move(*outcome.collection));
            if (mainWindow_) {
                mainWindow_->showTotals();
            }
            return true;
        }
        // Never an empty window with empty totals: another collection, or none.
        if (!Prompts::current().offerAnotherCollection(outcome.problem)) {
            return false;
        }
        const QString picked = Prompts::current().existingFolder(
            nullptr, QStringLiteral("Abrir coleção"), programFolder_);
        QString problem;
        const QString folder =
            picked.isEmpty() ? QString() : namedCollectionFolder(picked, problem);
        if (!problem.isEmpty()) {
            Prompts::current().error(QStringLiteral("A coleção não foi aberta: %1.").arg(problem));
        }
        if (!folder.isEmpty()) {
            setProgramFolder(folder);
        }
    }
}

void CorvanelApplication::adopt(Collection&& opened) {
    *collection_ = std::move(opened);
    adviseReindexWhenIndexIncomplete();
    UserSettings settings;
    settings.rememberCollectionFolder(programFolder_);
    if (!collection_->contentFolder().hasMarkerFile()) {
        contentLocation_->showOnTop();
    }
}

void CorvanelApplication::setProgramFolder(const QString& folder) {
    programFolder_ = folder;
    contentLocation_->setProgramFolder(folder);
    if (readingTools_) {
        readingTools_->setCollection(folder);
    }
}

// Once per start, whichever collection lacks its index or part of it.
void CorvanelApplication::adviseReindexWhenIndexIncomplete() {
    const Database& database = collection_->database();
    if (reindexAdvised_ || (database.hasCompleteSearchIndex() && database.hasCurrentFolding())) {
        return;
    }
    reindexAdvised_ = true;
    QString whatIsWrong;
    QString whatReindexGives = QStringLiteral("Para buscar mais depressa");
    if (!database.hasSearchIndex()) {
        whatIsWrong = QStringLiteral(
            "Esta coleção foi montada sem o índice de busca: as buscas funcionam, mas "
            "as primeiras podem demorar enquanto os textos são lidos.");
    } else if (!database.hasCurrentFolding()) {
        whatIsWrong = QStringLiteral(
            "O índice de busca desta coleção foi montado por uma versão anterior, que não lê "
            "como espaço o espaço não separável e os demais espaços do Unicode: as buscas "
            "funcionam, mas não acham os trechos escritos com esses espaços, comuns em textos "
            "copiados da internet ou de PDFs.");
        whatReindexGives = QStringLiteral("Para que as buscas achem esses trechos");
    } else {
        whatIsWrong = QStringLiteral(
            "O índice de busca desta coleção foi montado por uma versão anterior e não "
            "tem a parte das palavras curtas: as buscas funcionam, mas as de palavras de "
            "uma ou duas letras demoram mais, porque leem todos os textos.");
    }
    Prompts::current().information(
        whatIsWrong + QStringLiteral("\n\n%1, feche o programa e execute:\n"
                                     "corvanel-collection reindex \"%2\"")
                          .arg(whatReindexGives, QDir::toNativeSeparators(programFolder_)));
}

void CorvanelApplication::openAnotherCollection() {
    // A second "Abrir coleção..." while one opens is refused, never re-entered.
    if (opener_->isOpening()) {
        return;
    }
    const QString picked = Prompts::current().existingFolder(
        mainWindow_.get(), QStringLiteral("Abrir coleção"), programFolder_);
    if (picked.isEmpty()) {
        return;
    }
    QString problem;
    const QString folder = namedCollectionFolder(picked, problem);
    if (folder.isEmpty()) {
        Prompts::current().error(QStringLiteral("A coleção não foi aberta: %1.").arg(problem));
        return;
    }
    switchCollection(folder);
}

void CorvanelApplication::switchCollection(const QString& folder) {
    busy_->showBusy(mainWindow_.get());
    CollectionOpener::Outcome outcome = opener_->open(folder);
    busy_->hideBusy();
    // The collection open now stays as it is when the other cannot be opened.
    if (!outcome.collection) {
        Prompts::current().error(outcome.problem);
        return;
    }
    // What the windows show belongs to the collection being left.
    for (QWidget* window :
         {static_cast<QWidget*>(resultList_.get()), static_cast<QWidget*>(viewer_.get())}) {
        if (window != nullptr) {
            window->hide();
        }
    }
    contentLocation_->hide();
    setProgramFolder(folder);
    runGuarded([&] { adopt(std::move(*outcome.collection)); });
    if (mainWindow_) {
        mainWindow_->showCollection();
    }
    if (contentLocation_->isVisible()) {
        contentLocation_->raise();
    }
}

void CorvanelApplication::createUpdateAssistantAndAbout() {
    updateAssistant_ = std::make_unique<UpdateAssistant>();
    about_ = std::make_unique<AboutWindow>();
    if (mainWindow_) {
        mainWindow_->setUpdateAssistant(updateAssistant_.get());
        mainWindow_->setAboutWindow(about_.get());
    }
}

void CorvanelApplication::createViewer() {
    viewer_ = std::make_unique<DocumentViewer>();
    viewer_->setContentRootSource([this] { return contentRoot(); });
    readingTools_ = std::make_unique<ReadingTools>(
        *viewer_, mainWindow_.get(),
        [this](const QString& pageName) { openRecentDocument(pageName); });
    readingTools_->setCollection(programFolder_);
    if (mainWindow_) {
        mainWindow_->setPageOpener([this](const PageRequest& page) {
            viewer_->openPage(
                page.contentRoot, page.pageName,
                page.keepsSaveBuffer ? SaveBufferOnOpen::Keep : SaveBufferOnOpen::Empty);
        });
    }
}

void CorvanelApplication::createInformationWindows() {
    partner_ = std::make_unique<PartnerWindow>();
    partner_->setContentRootSource([this] { return contentRoot(); });
    association_ = std::make_unique<AssociationWindow>();
    association_->setContentRootSource([this] { return contentRoot(); });
    if (mainWindow_) {
        mainWindow_->setInformationWindows(association_.get(), partner_.get());
    }
}

void CorvanelApplication::rememberReading() {
    for (QWidget* window :
         {static_cast<QWidget*>(mainWindow_.get()), static_cast<QWidget*>(resultList_.get()),
          static_cast<QWidget*>(viewer_.get())}) {
        if (window != nullptr) {
            (new WindowMemory(window, *state_))->restore();
        }
    }
    RememberedState& state = *state_;
    if (resultList_) {
        resultList_->setSearchHistory(searchHistory_.get());
        resultList_->zoom()->setFactor(state.zoom(QStringLiteral("lista")).value_or(1.0));
        QObject::connect(
            resultList_->zoom(), &ZoomControl::factorChanged, resultList_.get(),
            [&state](double factor) { state.storeZoom(QStringLiteral("lista"), factor); });
        resultList_->setPassagesShown(state.passagesShown());
        QObject::connect(resultList_.get(), &ResultListWindow::passagesShownChanged,
                         resultList_.get(),
                         [&state](bool shown) { state.storePassagesShown(shown); });
    }
    if (viewer_) {
        viewer_->zoom()->setFactor(state.zoom(QStringLiteral("leitor")).value_or(1.0));
        viewer_->setLastSaveFolder(state.lastSaveFolder());
        DocumentViewer* viewer = viewer_.get();
        QObject::connect(
            viewer->zoom(), &ZoomControl::factorChanged, viewer,
            [&state](double factor) { state.storeZoom(QStringLiteral("leitor"), factor); });
        QObject::connect(viewer, &DocumentViewer::fileSaved, viewer, [&state](const QString& path) {
            state.storeSaveFolder(QFileInfo(path).absolutePath());
        });
        QObject::connect(viewer, &DocumentViewer::documentOpened, viewer,
                         [this, &state](const QString& pageName) {
                             state.rememberDocument(programFolder_, {pageName, QString()});
                         });
        QObject::connect(viewer, &DocumentViewer::documentTitleRead, viewer,
                         [this, &state](const QString& pageName, const QString& title) {
                             state.rememberDocument(programFolder_, {pageName, title});
                         });
    }
    if (mainWindow_) {
        mainWindow_->setSearchHistory(searchHistory_.get());
        mainWindow_->setReadingHistory(
            {[this, &state] { return state.recentDocuments(programFolder_); },
             [this](const QString& pageName) { openRecentDocument(pageName); },
             [this] { clearHistory(); }});
    }
}

void CorvanelApplication::openRecentDocument(const QString& pageName) {
    const std::optional<ContentFile> page = collection_->contentFolder().page(pageName);
    if (!page || !QFileInfo(page->filePath).isFile()) {
        Prompts::current().error(
            QStringLiteral("O documento \"%1\" não está na coleção aberta.").arg(pageName));
        return;
    }
    if (viewer_) {
        viewer_->openPage(contentRoot(), pageName, SaveBufferOnOpen::Empty);
    }
}

void CorvanelApplication::clearHistory() {
    state_->clearHistory();
    searchHistory_->forget();
}

QString CorvanelApplication::contentRoot() const {
    return collection_->contentRoot();
}

}  // namespace corvanel
