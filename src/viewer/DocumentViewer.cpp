#include "DocumentViewer.h"

#include "ContentAddress.h"
#include "ContentFolder.h"
#include "ErrorBox.h"
#include "FindBar.h"
#include "KeyboardReach.h"
#include "Look.h"
#include "OutlinePanel.h"
#include "PageBrowser.h"
#include "PageCopy.h"
#include "PageMarker.h"
#include "PageOutline.h"
#include "PagePdf.h"
#include "PageTravel.h"
#include "PictureButton.h"
#include "PictureButtonConfigurations.h"
#include "Prompts.h"
#include "ViewerToolStrip.h"
#include "WindowPlacement.h"
#include "ZoomControl.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTreeWidget>

namespace corvanel {

namespace layout {
constexpr QSize kDesignSize{666, 506};
constexpr QSize kMinimumSize{700, 500};
constexpr QRect kBanner{8, 0, 641, 49};
constexpr QRect kSaveCaption{48, 32, 41, 17};
constexpr QRect kPrintCaption{92, 32, 65, 17};
constexpr QPoint kSaveButton{55, 5};
constexpr QPoint kPrintButton{112, 5};
constexpr QRect kGreyPanel{248, 0, 400, 48};
constexpr QColor kGreyPanelColour{216, 216, 216};
constexpr QRect kPageBrowser{7, 48, 640, 416};
// What the browser and the grey panel leave of the window's outer size.
constexpr QSize kPageBrowserMargins{26, 90};
constexpr int kGreyPanelMargin = 266;
// The strip of marked words, inside the grey panel.
constexpr QRect kFindBar{0, 11, 400, 26};
// Back, forward and the commands' menu, at the right end of the grey panel;
// the strip of marked words takes the rest of it.
constexpr QSize kToolStrip{82, 24};
constexpr int kToolStripTop = 12;
constexpr int kToolStripMargin = 6;
// The "Sumário", at the left of the page when shown.
constexpr int kOutlineWidth = 240;
constexpr int kOutlineGap = 3;
}  // namespace layout

namespace {

// The file the browser shows for a page, so that a copy is what was read.
QString shownFile(const QString& root, const QString& pageName) {
    const std::optional<ContentFile> page = ContentFolder::fromRoot(root).page(pageName);
    return page ? page->filePath : QString();
}

QUrl withoutQuery(const QUrl& url) {
    return ViewerHistory::fileOf(url);
}

// The file of a document, as its address resolves.
QUrl documentFile(const QString& root, const QString& pageName) {
    const std::optional<ContentFile> page = ContentFolder::fromRoot(root).page(pageName);
    return page ? page->url : QUrl();
}

}  // namespace

DocumentViewer::DocumentViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Resultados"));
    Look::fillBackground(this, Look::windowGreen());

    // The words drawn in the pictures, for screen readers.
    const auto picture = [this](const QString& file, const QRect& geometry, const QString& name,
                                const QString& words) {
        QLabel* label = Look::addPicture(this, file, geometry);
        label->setObjectName(name);
        label->setAccessibleName(words);
    };
    picture(QStringLiteral("viewer-banner.jpg"), layout::kBanner, QStringLiteral("Image1"),
            QStringLiteral("Documento Corvanel"));
    picture(QStringLiteral("viewer-save-caption.jpg"), layout::kSaveCaption,
            QStringLiteral("Image2"), QStringLiteral("salvar"));
    picture(QStringLiteral("viewer-print-caption.jpg"), layout::kPrintCaption,
            QStringLiteral("Image3"), QStringLiteral("imprimir"));

    greyPanel_ = new QFrame(this);
    greyPanel_->setObjectName(QStringLiteral("Panel1"));
    greyPanel_->setGeometry(layout::kGreyPanel);
    Look::fillBackground(greyPanel_, layout::kGreyPanelColour);

    addPictureButton(u"Bt_Salvar", layout::kSaveButton, &DocumentViewer::saveCopy);
    addPictureButton(u"Bt_imprimir", layout::kPrintButton, &DocumentViewer::print);

    pageBrowser_ = new PageBrowser(this);
    pageBrowser_->setObjectName(QStringLiteral("Nav"));
    pageBrowser_->setGeometry(layout::kPageBrowser);
    pageBrowser_->setAccessibleName(QStringLiteral("Documento"));

    findBar_ = new FindBar(greyPanel_);
    findBar_->setGeometry(layout::kFindBar);
    findBar_->hide();
    marker_ = new PageMarker(pageBrowser_->page());
    zoom_ = new ZoomControl(this, pageBrowser_);
    connect(marker_, &PageMarker::positionChanged, this, &DocumentViewer::showMarks);
    connect(pageBrowser_, &QWebEngineView::loadFinished, this, &DocumentViewer::markLoadedPage);
    connect(zoom_, &ZoomControl::factorChanged, pageBrowser_, &QWebEngineView::setZoomFactor);
    connect(findBar_, &FindBar::findTextChanged, this, [this] { markWanted(); });
    connect(findBar_, &FindBar::nextRequested, this, &DocumentViewer::findNext);
    connect(findBar_, &FindBar::previousRequested, this, &DocumentViewer::findPrevious);
    connect(findBar_, &FindBar::closeRequested, this, &DocumentViewer::closeFind);
    // After the handlers of loads above: going back scrolls after they mark.
    createCommands();

    resize(layout::kDesignSize);
    setMinimumSize(layout::kMinimumSize);
}

void DocumentViewer::addPictureButton(QStringView name, QPoint position,
                                      void (DocumentViewer::*handler)()) {
    auto* button = new PictureButton(this);
    applyConfiguration(*button, pictureButtonConfiguration(u"TForm10", name));
    button->move(position);
    connect(button, &PictureButton::clicked, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

void DocumentViewer::createCommands() {
    QList<QAction*> commands{
        addCommand(QStringLiteral("Localizar..."), {QKeySequence(QKeySequence::Find)},
                   &DocumentViewer::openFind),
        addCommand(QStringLiteral("Próxima ocorrência"), {QKeySequence(Qt::Key_F3)},
                   &DocumentViewer::findNext),
        addCommand(QStringLiteral("Ocorrência anterior"), {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
                   &DocumentViewer::findPrevious),
        addCommand(QStringLiteral("Imprimir..."), {QKeySequence(QKeySequence::Print)},
                   &DocumentViewer::print),
        addCommand(QStringLiteral("Visualizar impressão..."),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
                   &DocumentViewer::showPrintPreview),
        addCommand(QStringLiteral("Salvar como PDF..."),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, &DocumentViewer::saveAsPdf),
    };
    commands.insert(3, nullptr);
    commands << nullptr << zoom_->actions();
    createReadingTools();
    commands << nullptr << readingCommands_;
    QList<QAction*> menu;
    for (QAction* command : commands) {
        if (command == nullptr) {
            command = new QAction(this);
            command->setSeparator(true);
        }
        menu << command;
    }
    pageBrowser_->setWindowCommands(menu);
    toolStrip_ =
        new ViewerToolStrip(readingCommands_.at(0), readingCommands_.at(1), menu, greyPanel_);
    toolStrip_->resize(layout::kToolStrip);
}

void DocumentViewer::createReadingTools() {
    outline_ = new PageOutline(pageBrowser_->page());
    outlinePanel_ = new OutlinePanel(outline_, this);
    outlinePanel_->hide();
    connect(outlinePanel_, &OutlinePanel::closeRequested, this, &DocumentViewer::toggleOutline);
    travel_ = new PageTravel(pageBrowser_, [this](const QUrl& url) { return describePlace(url); });
    connect(travel_, &PageTravel::placeEntered, this, &DocumentViewer::enterPlace);

    QAction* back =
        addCommand(QStringLiteral("Voltar"), QKeySequence::keyBindings(QKeySequence::Back),
                   &DocumentViewer::goBack);
    QAction* forward =
        addCommand(QStringLiteral("Avançar"), QKeySequence::keyBindings(QKeySequence::Forward),
                   &DocumentViewer::goForward);
    back->setToolTip(QStringLiteral("Voltar (Alt+Esquerda)"));
    forward->setToolTip(QStringLiteral("Avançar (Alt+Direita)"));
    for (QAction* step : {back, forward}) {
        step->setEnabled(false);
    }
    connect(travel_, &PageTravel::availabilityChanged, this, [back, forward](bool b, bool f) {
        back->setEnabled(b);
        forward->setEnabled(f);
    });
    QAction* outline = addCommand(QStringLiteral("Sumário"), {QKeySequence(Qt::Key_F9)},
                                  &DocumentViewer::toggleOutline);
    outline->setCheckable(true);
    connect(this, &DocumentViewer::outlineShown, outline, &QAction::setChecked);
    readingCommands_ = {
        back,
        forward,
        outline,
        addCommand(QStringLiteral("Ir para o artigo..."), {QKeySequence(Qt::CTRL | Qt::Key_G)},
                   &DocumentViewer::goToArticle),
        addCommand(QStringLiteral("Copiar com referência"),
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                   &DocumentViewer::copyWithCitation),
        addCommand(QStringLiteral("Adicionar aos favoritos..."),
                   {QKeySequence(Qt::CTRL | Qt::Key_D)}, &DocumentViewer::addToFavourites),
    };
}

ViewerPlace DocumentViewer::describePlace(const QUrl& url) const {
    const bool isDocument = withoutQuery(url) == documentUrl_;
    return {url,
            pageName_,
            isDocument ? searchWords_ : QStringList(),
            {},
            isDocument ? searchMarking_ : MarkChoices()};
}

void DocumentViewer::enterPlace(const ViewerPlace& place) {
    pageName_ = place.pageName;
    searchWords_ = place.searchWords;
    searchMarking_ = place.marking;
    documentUrl_ = documentFile(contentRoot(), pageName_);
    findBar_->setSearchWords(searchWords_.join(QStringLiteral(" · ")));
    if (!isFinding()) {
        findBar_->hide();
    }
}

void DocumentViewer::goBack() {
    travel_->back();
}

void DocumentViewer::goForward() {
    travel_->forward();
}

void DocumentViewer::toggleOutline() {
    outlinePanel_->setVisible(outlinePanel_->isHidden());
    fitToWindowSize();
    if (outlinePanel_->isHidden()) {
        pageBrowser_->setFocus(Qt::OtherFocusReason);
    } else {
        outlinePanel_->tree()->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT outlineShown(!outlinePanel_->isHidden());
}

void DocumentViewer::goToArticle() {
    if (outlinePanel_->isHidden()) {
        toggleOutline();
    }
    outlinePanel_->focusArticleField();
}

void DocumentViewer::setCitationSource(std::function<CitationSource()> collection) {
    citationSource_ = std::move(collection);
}

void DocumentViewer::copyWithCitation() {
    const QString passage = pageBrowser_->selectedText();
    if (passage.trimmed().isEmpty()) {
        Prompts::current().information(
            QStringLiteral("Selecione no documento o trecho a copiar com a referência."));
        return;
    }
    CitationSource source = citationSource_ ? citationSource_() : CitationSource();
    source.title = pageBrowser_->title().isEmpty() ? pageName_ : pageBrowser_->title();
    source.date = QDate::currentDate();
    QApplication::clipboard()->setMimeData(CitationCopy::mimeData(passage, source));
}

void DocumentViewer::addToFavourites() {
    if (pageName_.isEmpty() || pageName_ == ContentAddress::kHelpPage) {
        Prompts::current().information(
            QStringLiteral("Abra um documento para adicioná-lo aos favoritos."));
        return;
    }
    const bool ownTitle = withoutQuery(pageBrowser_->url()) == documentUrl_;
    Q_EMIT favouriteRequested(pageName_, ownTitle ? pageBrowser_->title() : QString());
}

QAction* DocumentViewer::addCommand(const QString& text, const QList<QKeySequence>& keys,
                                    void (DocumentViewer::*handler)()) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    addAction(action);
    return action;
}

void DocumentViewer::setLastSaveFolder(const QString& folder) {
    saveDialog_.setLastFolder(folder);
    pdfDialog_.setLastFolder(folder);
}

void DocumentViewer::setContentRootSource(std::function<QString()> contentRoot) {
    pageBrowser_->setContentRootSource(contentRoot);
    contentRoot_ = std::move(contentRoot);
}

QString DocumentViewer::contentRoot() const {
    return contentRoot_ ? contentRoot_() : QString();
}

void DocumentViewer::openPage(const QString& contentRoot, const QString& pageName,
                              SaveBufferOnOpen saveBuffer, const QStringList& searchWords,
                              const MarkChoices& marking) {
    pageBrowser_->Navigate(ContentAddress::pageAddress(contentRoot, pageName));
    if (saveBuffer == SaveBufferOnOpen::Empty) {
        saveBuffer_.clear();
    }
    pageName_ = pageName;
    pageTitle_.clear();
    searchWords_ = searchWords;
    searchMarking_ = marking;
    documentUrl_ = withoutQuery(pageBrowser_->lastUrl());
    findBar_->setSearchWords(searchWords.join(QStringLiteral(" · ")));
    if (!isFinding()) {
        findBar_->hide();
    }
    if (pageName != ContentAddress::kHelpPage) {
        Q_EMIT documentOpened(pageName);
    }
    WindowPlacement::showOrRaise(this);
}

void DocumentViewer::markLoadedPage(bool loaded) {
    // The page's own zoom goes with the page it was set on.
    pageBrowser_->setZoomFactor(zoom_->factor());
    if (!loaded) {
        return;
    }
    const QString title = pageBrowser_->title();
    if (withoutQuery(pageBrowser_->url()) == documentUrl_ && !title.isEmpty() &&
        pageName_ != ContentAddress::kHelpPage) {
        // A page without a title is named by its address.
        if (!documentUrl_.toString().endsWith(title)) {
            pageTitle_ = title;
        }
        Q_EMIT documentTitleRead(pageName_, title);
    }
    markWanted();
}

bool DocumentViewer::isFinding() const {
    return findBar_->mode() == FindBar::Mode::Find && !findBar_->isHidden();
}

void DocumentViewer::markWanted(PageMarker::Reveal reveal) {
    if (isFinding()) {
        marker_->mark({findBar_->findText()}, reveal);
    } else if (!searchWords_.isEmpty() && withoutQuery(pageBrowser_->url()) == documentUrl_) {
        marker_->mark(searchWords_, reveal, searchMarking_);
    } else {
        marker_->clear();
    }
}

void DocumentViewer::showMarks(int current, int count) {
    if (isFinding()) {
        // Nothing typed, nothing to report.
        if (findBar_->findText().isEmpty()) {
            findBar_->clearPosition();
        } else {
            findBar_->showPosition(current, count);
        }
        return;
    }
    findBar_->showPosition(current, count);
    findBar_->setVisible(count > 0);
}

void DocumentViewer::openFind() {
    const bool wasFinding = isFinding();
    findBar_->setMode(FindBar::Mode::Find);
    findBar_->show();
    findBar_->findField()->setFocus(Qt::ShortcutFocusReason);
    findBar_->findField()->selectAll();
    if (!wasFinding) {
        markWanted();
    }
}

void DocumentViewer::closeFind() {
    findBar_->setMode(FindBar::Mode::SearchWords);
    findBar_->hide();
    pageBrowser_->setFocus(Qt::OtherFocusReason);
    // The reader stays where the finding took them.
    markWanted(PageMarker::Reveal::Stay);
}

void DocumentViewer::findNext() {
    marker_->next();
}

void DocumentViewer::findPrevious() {
    marker_->previous();
}

void DocumentViewer::showPrintPreview() {
    pageBrowser_->showPrintPreview();
}

void DocumentViewer::saveAsPdf() {
    const QString path = pdfDialog_.execute(this, offeredName(u".pdf"));
    if (path.isEmpty()) {
        return;
    }
    PagePdf::write(*pageBrowser_, path, [this, path](const QString& problem) {
        if (problem.isEmpty()) {
            setLastSaveFolder(QFileInfo(path).absolutePath());
            Q_EMIT fileSaved(path);
        } else {
            Prompts::current().error(problem);
        }
        Q_EMIT pdfFinished(path, problem);
    });
}

void DocumentViewer::saveCopy() {
    // Read before asking, so that a page that cannot be saved says so at once.
    QByteArray page = PageCopy::readPage(shownFile(contentRoot(), pageName_));
    const QString path = saveDialog_.execute(this, offeredName(u".htm"));
    if (path.isEmpty()) {
        return;
    }
    PageCopy::writeWhole(path, page);
    saveBuffer_ = std::move(page);
    setLastSaveFolder(QFileInfo(path).absolutePath());
    Q_EMIT fileSaved(path);
}

QString DocumentViewer::offeredName(QStringView extension) const {
    return SaveDialog::fileNameFor(pageTitle_, QFileInfo(pageName_).completeBaseName(), extension);
}

void DocumentViewer::print() {
    // The page prints itself when loaded with the print query.
    pageBrowser_->Navigate(ContentAddress::printAddress(contentRoot(), pageName_));
}

void DocumentViewer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitToWindowSize();
    // A window put in place before it was first shown stays there.
    if (!event->spontaneous() && !placed_ && !testAttribute(Qt::WA_Moved)) {
        placed_ = true;
        // The design size counts the frame, which is known by now.
        resize(layout::kDesignSize - frameExtent());
        WindowPlacement::centreOnScreen(this);
    }
}

bool DocumentViewer::focusNextPrevChild(bool next) {
    return KeyboardReach::focusNext(this, next);
}

void DocumentViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitToWindowSize();
}

// The window manager may frame the window only after it has been shown.
void DocumentViewer::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitToWindowSize();
}

QSize DocumentViewer::frameExtent() const {
    return frameGeometry().size() - size();
}

// Sizes are those of the whole window, frame included, so the minimum is set
// again whenever the frame may have changed.
void DocumentViewer::fitToWindowSize() {
    setMinimumSize(layout::kMinimumSize - frameExtent());
    const QSize outer = frameGeometry().size();
    QRect page(layout::kPageBrowser.topLeft(), outer - layout::kPageBrowserMargins);
    if (outlinePanel_ != nullptr && !outlinePanel_->isHidden()) {
        outlinePanel_->setGeometry(page.adjusted(0, 0, layout::kOutlineWidth - page.width(), 0));
        page.setLeft(page.left() + layout::kOutlineWidth + layout::kOutlineGap);
    }
    pageBrowser_->setGeometry(page);
    greyPanel_->resize(outer.width() - layout::kGreyPanelMargin, greyPanel_->height());
    const int stripLeft =
        greyPanel_->width() - layout::kToolStrip.width() - layout::kToolStripMargin;
    if (toolStrip_ != nullptr) {
        toolStrip_->move(stripLeft, layout::kToolStripTop);
    }
    findBar_->resize(stripLeft, findBar_->height());
}

}  // namespace corvanel
