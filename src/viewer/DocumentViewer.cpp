#include "DocumentViewer.h"

#include "ContentAddress.h"
#include "ErrorBox.h"
#include "Look.h"
#include "PageAddress.h"
#include "PageBrowser.h"
#include "PageCopy.h"
#include "PictureButton.h"
#include "PictureButtonConfigurations.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QShowEvent>

namespace corvanel {

namespace layout {
constexpr QSize kDesignSize{666, 506};
constexpr QSize kMinimumSize{700, 500};
constexpr QRect kImage1{8, 0, 641, 49};
constexpr QRect kImage2{48, 32, 41, 17};
constexpr QRect kImage3{92, 32, 65, 17};
constexpr QPoint kBt_Salvar{55, 5};
constexpr QPoint kBt_imprimir{112, 5};
constexpr QRect kPanel1{248, 0, 400, 48};
constexpr QColor kPanel1Colour{216, 216, 216};
constexpr QRect kNav{7, 48, 640, 416};
// What the browser and the grey panel leave of the window's outer size.
constexpr QSize kNavMargins{26, 90};
constexpr int kPanel1Margin = 266;
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

    Look::addPicture(this, QStringLiteral("viewer-banner.jpg"), layout::kImage1);
    Look::addPicture(this, QStringLiteral("viewer-save-caption.jpg"), layout::kImage2);
    Look::addPicture(this, QStringLiteral("viewer-print-caption.jpg"), layout::kImage3);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(layout::kPanel1);
    Look::fillBackground(Panel1, layout::kPanel1Colour);

    addPictureButton(u"Bt_Salvar", layout::kBt_Salvar, &DocumentViewer::Bt_SalvarClick);
    addPictureButton(u"Bt_imprimir", layout::kBt_imprimir, &DocumentViewer::Bt_imprimirClick);

    Nav = new PageBrowser(this);
    Nav->setGeometry(layout::kNav);

    resize(layout::kDesignSize);
    setMinimumSize(layout::kMinimumSize);
}

void DocumentViewer::addPictureButton(QStringView name, QPoint position, void (DocumentViewer::*handler)()) {
    auto* button = new PictureButton(this);
    applyConfiguration(*button, pictureButtonConfiguration(u"TForm10", name));
    button->move(position);
    connect(button, &PictureButton::clicked, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

void DocumentViewer::setContentRootSource(std::function<QString()> contentRoot) {
    Nav->setContentRootSource(contentRoot);
    contentRoot_ = std::move(contentRoot);
}

QString DocumentViewer::contentRoot() const {
    return contentRoot_ ? contentRoot_() : QString();
}

void DocumentViewer::openPage(const QString& contentRoot, const QString& pageName,
                       SaveBufferOnOpen saveBuffer) {
    Nav->Navigate(ContentAddress::pageAddress(contentRoot, pageName));
    if (saveBuffer == SaveBufferOnOpen::Empty) {
        RichEdit1.clear();
    }
    Edit1 = pageName;
    Memo1.clear();
    WindowPlacement::showOrRaise(this);
}

void DocumentViewer::Bt_SalvarClick() {
    // Read before asking, so that a page that cannot be saved says so at once.
    QByteArray page = PageCopy::readPage(shownFile(contentRoot(), Edit1));
    const QString path = SaveDialog1.execute(this);
    if (path.isEmpty()) {
        return;
    }
    PageCopy::writeWhole(path, page);
    RichEdit1 = std::move(page);
}

void DocumentViewer::Bt_imprimirClick() {
    // The page prints itself when loaded with the print query.
    Nav->Navigate(ContentAddress::printAddress(contentRoot(), Edit1));
}

void DocumentViewer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormResize();
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        // The design size counts the frame, which is known by now.
        resize(layout::kDesignSize - frameExtent());
        WindowPlacement::centreOnScreen(this);
    }
}

void DocumentViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

// The window manager may frame the window only after it has been shown.
void DocumentViewer::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FormResize();
}

QSize DocumentViewer::frameExtent() const {
    return frameGeometry().size() - size();
}

// Sizes are those of the whole window, frame included, so the minimum is set
// again whenever the frame may have changed.
void DocumentViewer::FormResize() {
    setMinimumSize(layout::kMinimumSize - frameExtent());
    const QSize outer = frameGeometry().size();
    Nav->resize(outer - layout::kNavMargins);
    Panel1->resize(outer.width() - layout::kPanel1Margin, Panel1->height());
}

}  // namespace corvanel
