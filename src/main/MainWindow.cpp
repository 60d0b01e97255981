#include "MainWindow.h"

#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "CategoryTree.h"
#include "CategoryTreeRules.h"
#include "Collection.h"
#include "ContentAddress.h"
#include "ContrastSetting.h"
#include "ErrorBox.h"
#include "Look.h"
#include "MainMenu.h"
#include "MainWindowParts.h"
#include "PageBrowser.h"
#include "PartnerWindow.h"
#include "PictureButton.h"
#include "PresentationPage.h"
#include "ResizeRules.h"
#include "ResultListWindow.h"
#include "SearchHistory.h"
#include "SearchOptions.h"
#include "SectionPage.h"
#include "SectionRequests.h"
#include "StartPage.h"
#include "UpdateAssistant.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace corvanel {

using main_window::MenuCommand;
using main_window::Page;
using main_window::Trigger;

namespace {

const main_window::MainWindowLayout& windowLayout() {
    return main_window::mainWindowLayout();
}

// Connects a click to a handler that runs guarded.
template <typename Sender, typename Handler>
void onClick(Sender* sender, QObject* receiver, Handler handler) {
    QObject::connect(sender, &Sender::clicked, receiver,
                     [handler] { runGuarded([&handler] { handler(); }); });
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // Before any control is built, so that each takes the look's colours.
    Look::applyScheme(ContrastSetting::schemeAtStart());
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowLayout().caption.toString());
    setFont(main_window::fontOf(windowLayout().font));

    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    Look::fillBackground(canvas_, Look::windowGreen());
    setCentralWidget(canvas_);

    // Bottom to top: what is built later lies over what was built before.
    buildHeader();
    buildFrame();
    buildPages();
    buildTabRow();
    greenBar_->raise();
    greenStrip_->raise();
    pageStack_ = {indicators_, startPage_, {}, presentationPage_, greenBar_, greenStrip_};
    std::copy(sectionPages_.begin(), sectionPages_.end(), pageStack_.sectionPages.begin());

    buildMenu();
    setUpKeyboard();
    canvas_->installEventFilter(this);
    const QSize client = windowLayout().outerSize - windowLayout().frame;
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    WindowPlacement::centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::setReadingHistory(ReadingHistory history) {
    readingHistory_ = std::move(history);
}

void MainWindow::setSearchHistory(SearchHistory* history) {
    for (SectionPage* page : sectionPages_) {
        history->offerIn(page->searchField());
    }
}

void MainWindow::buildHeader() {
    main_window::placePicture(canvas_, windowLayout().banner);
    // Widened with the window, it carries the white of the logos to the edge.
    logosBackdrop_ = main_window::placePicture(canvas_, windowLayout().logosBackdrop);
    logosBackdrop_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::fillBackground(logosBackdrop_, Look::panelWhite());
    main_window::placePicture(canvas_, windowLayout().logos);

    auto* associationArea =
        new ClickArea(windowLayout().associationArea, QStringLiteral("ZEFT"), canvas_);
    onClick(associationArea, this, [this] { showWindow(association_); });
    auto* partnerArea =
        new ClickArea(windowLayout().partnerArea, QStringLiteral("quarde"), canvas_);
    onClick(partnerArea, this, [this] { showWindow(partner_); });
    footerStops_ << associationArea << partnerArea;
}

void MainWindow::buildFrame() {
    tabRowEnd_ = main_window::placePanel(canvas_, windowLayout().tabRowEnd, Look::panelWhite());
    leftEdge_ = main_window::placePanel(canvas_, windowLayout().leftEdge, Look::panelWhite());
    rightEdge_ = main_window::placePanel(canvas_, windowLayout().rightEdge, Look::panelWhite());

    footer_ = main_window::placePanel(canvas_, windowLayout().footer, Look::panelWhite());
    main_window::placePicture(footer_, windowLayout().footerPicture);
    PictureButton* helpButton = main_window::placeButton(footer_, windowLayout().helpButton);
    onClick(helpButton, this, [this] { showHelp(); });
    footerStops_.prepend(helpButton);

    footerLeft_ = main_window::placePanel(canvas_, windowLayout().footerLeft, Look::panelWhite());
    main_window::placePicture(footerLeft_, windowLayout().footerLeftPicture);

    greenBar_ = main_window::placePanel(canvas_, windowLayout().greenBar, Look::windowGreen());
    greenStrip_ = main_window::placePanel(canvas_, windowLayout().greenStrip, Look::windowGreen());
}

void MainWindow::buildPages() {
    startPage_ = new StartPage(windowLayout().start, windowLayout().pages, canvas_);
    startPage_->browser()->setContentRootSource([this] { return contentRoot(); });
    for (const main_window::SectionPageLayout& section : windowLayout().sections) {
        auto* page = new SectionPage(section, windowLayout().pages, canvas_);
        page->hide();
        sectionPages_.at(static_cast<std::size_t>(section.section)) = page;
        connect(page, &SectionPage::searchRequested, this, [this, page] {
            runGuarded([this, page] {
                openResultList(main_window::sectionSearch(page->section(), page->searchWords(),
                                                          page->filterIndex()));
            });
        });
        connect(page, &SectionPage::listingRequested, this, [this, page] {
            runGuarded(
                [this, page] { openResultList(main_window::sectionListing(page->section())); });
        });
        connect(page->tree(), &CategoryTree::selectionActivated, this,
                [this, page] { runGuarded([this, page] { treeActivated(*page->tree()); }); });
    }
    presentationPage_ = new PresentationPage(windowLayout().presentation, canvas_);
    presentationPage_->hide();
    CategoryTree* presentationTree = presentationPage_->tree();
    connect(presentationTree, &CategoryTree::selectionActivated, this, [this, presentationTree] {
        runGuarded([this, presentationTree] { treeActivated(*presentationTree); });
    });
}

void MainWindow::buildTabRow() {
    const auto& commands = windowLayout().commandButtons;
    const auto command = [this](const main_window::ButtonPlacement& placement) {
        PictureButton* button = main_window::placeButton(canvas_, placement);
        headerStops_ << button;
        return button;
    };
    onClick(command(commands[0]), this, [this] { switchTo(Page::Apresentacao, Trigger::Button); });
    onClick(command(commands[1]), this, [this] { openResultList(main_window::generalSearch()); });
    onClick(command(commands[2]), this,
            [this] { openResultList(main_window::collectionListing()); });
    onClick(command(commands[3]), this, [this] { checkForUpdates(); });

    for (std::size_t i = 0; i < windowLayout().tabs.size(); ++i) {
        const auto page = static_cast<Page>(i);
        onClick(command(windowLayout().tabs[i].button), this,
                [this, page] { switchTo(page, Trigger::Tab); });
    }
    // Each indicator lies over its tab; only the start page's shows at first.
    for (std::size_t i = 0; i < windowLayout().tabs.size(); ++i) {
        indicators_[i] = main_window::placePicture(canvas_, windowLayout().tabs[i].indicator);
        indicators_[i]->setVisible(i == 0);
    }
}

void MainWindow::setCollection(const Collection* collection) {
    collection_ = collection;
}

void MainWindow::showTotals() {
    if (collection_ == nullptr) {
        return;
    }
    // A section left uncounted (its database could not be opened) shows a
    // dash, never a figure of another collection or a control's name.
    for (const SectionFacts& section : kSections) {
        const std::optional<int> total = collection_->sectionTotal(section.section);
        setSectionTotal(section.section,
                        total ? QString::number(*total) : SectionPage::kNoTotal.toString());
    }
    // Counted after every opening, as the name is to be shown.
    showCollectionName();
}

void MainWindow::showCollection() {
    showTotals();
    showStartPage();
}

// Which collection is open, where the user looks for it: the title bar names
// its folder (Qt adds the program's name after it), the start page its edition.
void MainWindow::showCollectionName() {
    const QString folder = collection_ != nullptr ? collection_->folder() : QString();
    setWindowTitle(folder.isEmpty() ? windowLayout().caption.toString()
                                    : QDir::toNativeSeparators(folder));
    startPage_->setEdition(collection_ != nullptr ? collection_->edition() : QString());
}

void MainWindow::setResultList(ResultListWindow* resultList) {
    if (resultList == resultList_) {
        return;
    }
    resultList_ = resultList;
    // "Exibir > Trechos" follows the list, whoever changes it.
    if (auto* passages = findChild<QAction*>(QStringLiteral("Trechos1"))) {
        passages->setChecked(resultList->passagesShown());
        connect(passages, &QAction::toggled, resultList, &ResultListWindow::setPassagesShown);
        connect(resultList, &ResultListWindow::passagesShownChanged, passages,
                &QAction::setChecked);
    }
    SearchOptions* options = resultList->searchOptions();
    for (SectionPage* page : sectionPages_) {
        page->placeWholeWordsBox(
            options->addWholeWordsBox(page, page->objectName() + u"PalavraInteira"));
    }
    for (QAction* menuAction : menuBar()->actions()) {
        if (QMenu* menu = menuAction->menu(); menu != nullptr && menu->title() == u"Pesquisar") {
            options->addMenuItems(*menu);
        }
    }
}

void MainWindow::setResultListOpener(ResultListOpener opener) {
    resultListOpener_ = std::move(opener);
}

void MainWindow::setPageOpener(PageOpener opener) {
    pageOpener_ = std::move(opener);
}

void MainWindow::setCollectionOpener(std::function<void()> opener) {
    collectionOpener_ = std::move(opener);
}

void MainWindow::setInformationWindows(AssociationWindow* association, PartnerWindow* partner) {
    association_ = association;
    partner_ = partner;
}

void MainWindow::setUpdateAssistant(UpdateAssistant* assistant) {
    updateAssistant_ = assistant;
}

void MainWindow::setAboutWindow(AboutWindow* about) {
    about_ = about;
}

SectionPage* MainWindow::sectionPage(Section section) const {
    return sectionPages_.at(static_cast<std::size_t>(section));
}

void MainWindow::setSectionTotal(Section section, const QString& total) {
    sectionPage(section)->setCounter(total);
}

QString MainWindow::sectionTotal(Section section) const {
    return sectionPage(section)->counter();
}

QString MainWindow::totalDocuments() const {
    return startPage_->total();
}

QSize MainWindow::outerSize() const {
    return canvas_->size() + windowLayout().frame;
}

// The window manager frames the window only after it is shown: then the
// whole window, frame included, is put on the screen, at any scale.
void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (shownOnce_ && !fittedInFrame_ && frameGeometry().size() != size()) {
        fittedInFrame_ = true;
        WindowPlacement::keepInsideScreen(this);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        WindowPlacement::keepInsideScreen(this);
        runGuarded([this] { showStartPage(); });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_) {
        if (event->type() == QEvent::Paint) {
            runGuarded([this] { keepGreenStripOnTop(); });
        } else if (event->type() == QEvent::Resize) {
            runGuarded([this] { followOuterSize(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The content root is read at each use: the content-location screen may
// change it while the program runs.
QString MainWindow::contentRoot() const {
    return collection_ != nullptr ? collection_->contentRoot() : QString();
}

void MainWindow::showStartPage() {
    startPage_->browser()->Navigate(ContentAddress::startPageAddress(contentRoot()));
    if (collection_ != nullptr) {
        const std::optional<int> count = collection_->documentCount();
        startPage_->setTotal(count ? QString::number(*count) : QString());
    }
}

void MainWindow::keepGreenStripOnTop() {
    greenStrip_->raise();
}

void MainWindow::followOuterSize() {
    const std::optional<main_window::ResizedLayout> resized =
        main_window::resizedLayout(outerSize());
    if (!resized) {
        return;
    }
    greenStrip_->raise();
    logosBackdrop_->resize(resized->logosBackdropWidth, logosBackdrop_->height());
    rightEdge_->setGeometry(resized->rightEdgeLeft, rightEdge_->y(), rightEdge_->width(),
                            resized->rightEdgeHeight);
    tabRowEnd_->resize(resized->tabRowEndWidth, tabRowEnd_->height());
    tabRowEnd_->lower();
    footer_->move(resized->footerLeft, resized->footerTop);
    greenStrip_->resize(greenStrip_->width(), resized->greenStripHeight);
    greenBar_->resize(resized->greenBarWidth, greenBar_->height());
    leftEdge_->resize(leftEdge_->width(), resized->leftEdgeHeight);
    footerLeft_->move(footerLeft_->x(), resized->footerLeftTop);
    for (SectionPage* page : sectionPages_) {
        page->resize(resized->page);
        page->tree()->resize(resized->tree);
    }
    startPage_->resize(resized->page);
}

void MainWindow::switchTo(Page page, Trigger trigger) {
    main_window::applySwitch(main_window::switchPlan(page, trigger), pageStack_);
}

void MainWindow::treeActivated(const CategoryTree& tree) {
    const main_window::TreeAction action =
        main_window::treeDoubleClick(tree.id(), tree.selectedIndex());
    if (const auto* listing = std::get_if<main_window::CategoryListing>(&action)) {
        openResultList(main_window::categoryListing(*listing));
    } else if (const auto* page = std::get_if<main_window::PageToOpen>(&action)) {
        openPage(page->pageName, /*keepsSaveBuffer=*/false);
    }
}

void MainWindow::openResultList(const ResultRequest& request) {
    if (resultListOpener_) {
        resultListOpener_(request);
    } else if (resultList_ != nullptr) {
        resultList_->run(request);
    }
}

void MainWindow::openPage(const QString& pageName, bool keepsSaveBuffer) {
    if (pageOpener_) {
        pageOpener_(PageRequest{contentRoot(), pageName, keepsSaveBuffer});
    }
}

void MainWindow::showHelp() {
    openPage(ContentAddress::kHelpPage.toString(), /*keepsSaveBuffer=*/true);
}

void MainWindow::checkForUpdates() {
    if (updateAssistant_ != nullptr) {
        openUpdateAssistant(*updateAssistant_);
    }
}

void MainWindow::showWindow(QWidget* window) {
    if (window != nullptr) {
        WindowPlacement::showOrRaise(window);
    }
}

}  // namespace corvanel
