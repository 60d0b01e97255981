#include "DocumentViewer.h"

#include "ContentAddress.h"
#include "ErrorBox.h"
#include "KeyboardReach.h"
#include "Look.h"
#include "PageAddress.h"
#include "PageBrowser.h"
#include "PageCopy.h"
#include "PictureButton.h"
#include "PictureButtonConfigurations.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QShowEvent>

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
}  // namespace layout

namespace {

// The file the browser shows for a page, so that a copy is what was read.
QString shownFile(const QString& root, const QString& pageName) {
    const std::optional<QUrl> url =
        PageAddress::resolve(ContentAddress::pageAddress(root, pageName));
    return url ? url->toLocalFile() : QString();
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

void DocumentViewer::setContentRootSource(std::function<QString()> contentRoot) {
    pageBrowser_->setContentRootSource(contentRoot);
    contentRoot_ = std::move(contentRoot);
}

QString DocumentViewer::contentRoot() const {
    return contentRoot_ ? contentRoot_() : QString();
}

void DocumentViewer::openPage(const QString& contentRoot, const QString& pageName,
                              SaveBufferOnOpen saveBuffer) {
    pageBrowser_->Navigate(ContentAddress::pageAddress(contentRoot, pageName));
    if (saveBuffer == SaveBufferOnOpen::Empty) {
        saveBuffer_.clear();
    }
    pageName_ = pageName;
    WindowPlacement::showOrRaise(this);
}

void DocumentViewer::saveCopy() {
    // Read before asking, so that a page that cannot be saved says so at once.
    QByteArray page = PageCopy::readPage(shownFile(contentRoot(), pageName_));
    const QString path = saveDialog_.execute(this);
    if (path.isEmpty()) {
        return;
    }
    PageCopy::writeWhole(path, page);
    saveBuffer_ = std::move(page);
}

void DocumentViewer::print() {
    // The page prints itself when loaded with the print query.
    pageBrowser_->Navigate(ContentAddress::printAddress(contentRoot(), pageName_));
}

void DocumentViewer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitToWindowSize();
    if (!event->spontaneous() && !placed_) {
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
    pageBrowser_->resize(outer - layout::kPageBrowserMargins);
    greyPanel_->resize(outer.width() - layout::kGreyPanelMargin, greyPanel_->height());
}

}  // namespace corvanel
