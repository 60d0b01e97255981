#include "TForm1.h"

#include "CategoryTree.h"
#include "CategoryTreeRules.h"
#include "ContentAddress.h"
#include "ErrorBox.h"
#include "Look.h"
#include "MainMenu.h"
#include "MainWindowParts.h"
#include "PageBrowser.h"
#include "PresentationPage.h"
#include "ResizeRules.h"
#include "SectionPage.h"
#include "SectionRequests.h"
#include "StartPage.h"
#include "TForm16.h"
#include "TForm17.h"
#include "TQuarde.h"
#include "TTavik.h"
#include "TZEFT.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

namespace corvanel {

using form1::MenuCommand;
using form1::Page;
using form1::Trigger;

namespace {

const form1::MainWindowLayout& windowLayout() {
    return form1::mainWindowLayout();
}

// Connects a click to a handler that runs guarded.
template <typename Sender, typename Handler>
void onClick(Sender* sender, QObject* receiver, Handler handler) {
    QObject::connect(sender, &Sender::clicked, receiver,
                     [handler] { runGuarded([&handler] { handler(); }); });
}

std::optional<Page> pageOf(MenuCommand command) {
    switch (command) {
        case MenuCommand::Inicio:
            return Page::Inicio;
        case MenuCommand::Textos:
            return Page::Textos;
        case MenuCommand::Legislacao:
            return Page::Legislacao;
        case MenuCommand::Julgados:
            return Page::Julgados;
        case MenuCommand::Experiencias:
            return Page::Experiencias;
        case MenuCommand::Modelos:
            return Page::Modelos;
        case MenuCommand::Ciclos:
            return Page::Ciclos;
        default:
            return std::nullopt;
    }
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowLayout().caption.toString());
    setFont(form1::fontOf(windowLayout().font));

    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    Look::fillBackground(canvas_, Look::windowGreen());
    setCentralWidget(canvas_);

    // Bottom to top: what is built later lies over what was built before.
    buildHeader();
    buildFrame();
    buildPages();
    buildTabRow();
    Barra_verde->raise();
    Panel6->raise();
    pageStack_ = {indicators_, PgInicio, {}, PApresentacao, Barra_verde, Panel6};
    std::copy(sectionPages_.begin(), sectionPages_.end(), pageStack_.sectionPages.begin());

    form1::buildMainMenu(*menuBar(), [this](MenuCommand command) {
        runGuarded([this, command] { runMenuCommand(command); });
    });

    canvas_->installEventFilter(this);
    const QSize client = windowLayout().outerSize - windowLayout().frame;
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    WindowPlacement::centreOnScreen(this);
}

TForm1::~TForm1() = default;

void TForm1::buildHeader() {
    form1::placePicture(canvas_, windowLayout().Image1);
    // Widened with the window, it carries the white of the logos to the edge.
    Image38 = form1::placePicture(canvas_, windowLayout().Image38);
    Image38->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::fillBackground(Image38, Look::panelWhite());
    form1::placePicture(canvas_, windowLayout().Image2);

    auto* Image9 = new ClickArea(windowLayout().Image9, canvas_);
    onClick(Image9, this, [this] { showWindow(zeft_); });
    auto* Image21 = new ClickArea(windowLayout().Image21, canvas_);
    onClick(Image21, this, [this] { showWindow(quarde_); });
}

void TForm1::buildFrame() {
    Panel7 = form1::placePanel(canvas_, windowLayout().Panel7, Look::panelWhite());
    Panel2 = form1::placePanel(canvas_, windowLayout().Panel2, Look::panelWhite());
    Panel4 = form1::placePanel(canvas_, windowLayout().Panel4, Look::panelWhite());

    Panel5 = form1::placePanel(canvas_, windowLayout().Panel5, Look::panelWhite());
    form1::placePicture(Panel5, windowLayout().Image3);
    TTavik* Tavik1 = form1::placeButton(Panel5, windowLayout().Tavik1);
    onClick(Tavik1, this, [this] { showHelp(); });

    Panel3 = form1::placePanel(canvas_, windowLayout().Panel3, Look::panelWhite());
    form1::placePicture(Panel3, windowLayout().Image39);

    Barra_verde = form1::placePanel(canvas_, windowLayout().Barra_verde, Look::windowGreen());
    Panel6 = form1::placePanel(canvas_, windowLayout().Panel6, Look::windowGreen());
}

void TForm1::buildPages() {
    PgInicio = new StartPage(windowLayout().start, windowLayout().pages, canvas_);
    PgInicio->browser()->setContentRootSource([this] { return contentRoot(); });
    for (const form1::SectionPageLayout& section : windowLayout().sections) {
        auto* page = new SectionPage(section, windowLayout().pages, canvas_);
        page->hide();
        sectionPages_.at(static_cast<std::size_t>(section.section)) = page;
        connect(page, &SectionPage::searchRequested, this, [this, page] {
            runGuarded([this, page] {
                openResultList(form1::sectionSearch(page->section(), page->searchWords(),
                                                    page->filterIndex()));
            });
        });
        connect(page, &SectionPage::listingRequested, this, [this, page] {
            runGuarded([this, page] { openResultList(form1::sectionListing(page->section())); });
        });
        connect(page->tree(), &CategoryTree::selectionActivated, this,
                [this, page] { runGuarded([this, page] { treeActivated(*page->tree()); }); });
    }
    PApresentacao = new PresentationPage(windowLayout().presentation, canvas_);
    PApresentacao->hide();
    CategoryTree* presentationTree = PApresentacao->tree();
    connect(presentationTree, &CategoryTree::selectionActivated, this, [this, presentationTree] {
        runGuarded([this, presentationTree] { treeActivated(*presentationTree); });
    });
}

void TForm1::buildTabRow() {
    const auto& commands = windowLayout().commandButtons;
    onClick(form1::placeButton(canvas_, commands[0]), this,
            [this] { switchTo(Page::Apresentacao, Trigger::Button); });
    onClick(form1::placeButton(canvas_, commands[1]), this,
            [this] { openResultList(form1::generalSearch()); });
    onClick(form1::placeButton(canvas_, commands[2]), this,
            [this] { openResultList(form1::collectionListing()); });
    onClick(form1::placeButton(canvas_, commands[3]), this, [this] { checkForUpdates(); });

    for (std::size_t i = 0; i < windowLayout().tabs.size(); ++i) {
        const auto page = static_cast<Page>(i);
        onClick(form1::placeButton(canvas_, windowLayout().tabs[i].button), this,
                [this, page] { switchTo(page, Trigger::Tab); });
    }
    // Each indicator lies over its tab; only the start page's shows at first.
    for (std::size_t i = 0; i < windowLayout().tabs.size(); ++i) {
        indicators_[i] = form1::placePicture(canvas_, windowLayout().tabs[i].indicator);
        indicators_[i]->setVisible(i == 0);
    }
}

void TForm1::setResultList(TTextos* resultList) {
    resultList_ = resultList;
}

void TForm1::setResultListOpener(ResultListOpener opener) {
    resultListOpener_ = std::move(opener);
}

void TForm1::setPageOpener(PageOpener opener) {
    pageOpener_ = std::move(opener);
}

void TForm1::setInformationWindows(TZEFT* zeft, TQuarde* quarde) {
    zeft_ = zeft;
    quarde_ = quarde;
}

void TForm1::setUpdateAssistant(TForm16* assistant) {
    updateAssistant_ = assistant;
}

void TForm1::setAboutWindow(TForm17* about) {
    about_ = about;
}

SectionPage* TForm1::sectionPage(TTextos::Section section) const {
    return sectionPages_.at(static_cast<std::size_t>(section));
}

void TForm1::setSectionTotal(TTextos::Section section, const QString& total) {
    sectionPage(section)->setCounter(total);
}

QString TForm1::sectionTotal(TTextos::Section section) const {
    return sectionPage(section)->counter();
}

QString TForm1::totalDocuments() const {
    return PgInicio->total();
}

QSize TForm1::outerSize() const {
    return canvas_->size() + windowLayout().frame;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        runGuarded([this] { FormShow(); });
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_) {
        if (event->type() == QEvent::Paint) {
            runGuarded([this] { FormPaint(); });
        } else if (event->type() == QEvent::Resize) {
            runGuarded([this] { FormResize(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The content root is read at each use: the content-location screen may
// change it while the program runs.
QString TForm1::contentRoot() const {
    return resultList_ != nullptr ? resultList_->CaminhoCD : QString();
}

void TForm1::FormShow() {
    PgInicio->browser()->Navigate(ContentAddress::startPageAddress(contentRoot()));
    if (resultList_ != nullptr) {
        Edit8 = resultList_->Edit6;
        Edit8Change();
    }
}

void TForm1::Edit8Change() {
    PgInicio->setTotal(Edit8);
}

void TForm1::FormPaint() {
    Panel6->raise();
}

void TForm1::FormResize() {
    const std::optional<form1::ResizedLayout> resized = form1::resizedLayout(outerSize());
    if (!resized) {
        return;
    }
    Panel6->raise();
    Image38->resize(resized->image38Width, Image38->height());
    Panel4->setGeometry(resized->panel4Left, Panel4->y(), Panel4->width(), resized->panel4Height);
    Panel7->resize(resized->panel7Width, Panel7->height());
    Panel7->lower();
    Panel5->move(resized->panel5Left, resized->panel5Top);
    Panel6->resize(Panel6->width(), resized->panel6Height);
    Barra_verde->resize(resized->barraVerdeWidth, Barra_verde->height());
    Panel2->resize(Panel2->width(), resized->panel2Height);
    Panel3->move(Panel3->x(), resized->panel3Top);
    for (SectionPage* page : sectionPages_) {
        page->resize(resized->page);
        page->tree()->resize(resized->tree);
    }
    PgInicio->resize(resized->page);
}

void TForm1::runMenuCommand(MenuCommand command) {
    if (const std::optional<Page> page = pageOf(command)) {
        switchTo(*page, Trigger::Menu);
        return;
    }
    switch (command) {
        case MenuCommand::Sair:
            close();
            break;
        case MenuCommand::Localizar:
            openResultList(form1::emptyResultList());
            break;
        case MenuCommand::ListarLumbra:
            openResultList(form1::collectionListing());
            break;
        case MenuCommand::Atualizar:
            checkForUpdates();
            break;
        case MenuCommand::Ajuda:
            showHelp();
            break;
        case MenuCommand::Versao:
            showWindow(about_);
            break;
        default:
            break;
    }
}

void TForm1::switchTo(Page page, Trigger trigger) {
    form1::applySwitch(form1::switchPlan(page, trigger), pageStack_);
}

void TForm1::treeActivated(const CategoryTree& tree) {
    const form1::TreeAction action = form1::treeDoubleClick(tree.id(), tree.selectedIndex());
    if (const auto* listing = std::get_if<form1::CategoryListing>(&action)) {
        openResultList(form1::categoryListing(*listing));
    } else if (const auto* page = std::get_if<form1::PageToOpen>(&action)) {
        openPage(page->pageName, /*keepsSaveBuffer=*/false);
    }
}

void TForm1::openResultList(const ResultListRequest& request) {
    if (resultListOpener_) {
        resultListOpener_(request);
    } else if (resultList_ != nullptr) {
        deliverRequest(request, *resultList_);
    }
}

void TForm1::openPage(const QString& pageName, bool keepsSaveBuffer) {
    if (pageOpener_) {
        pageOpener_(PageRequest{contentRoot(), pageName, keepsSaveBuffer});
    }
}

void TForm1::showHelp() {
    openPage(ContentAddress::kHelpPage.toString(), /*keepsSaveBuffer=*/true);
}

void TForm1::checkForUpdates() {
    if (updateAssistant_ != nullptr) {
        openUpdateAssistant(*updateAssistant_);
    }
}

void TForm1::showWindow(QWidget* window) {
    if (window != nullptr) {
        WindowPlacement::showOrRaise(window);
    }
}

}  // namespace corvanel
