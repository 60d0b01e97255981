#include "InformationPageWindow.h"

#include "ContentAddress.h"
#include "ErrorBox.h"
#include "Look.h"
#include "PageBrowser.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QShowEvent>

namespace corvanel {

InformationPageWindow::InformationPageWindow(const Layout& layout, QWidget* parent)
    : QWidget(parent), pageName_(layout.pageName.toString()) {
    Look::setUpToolWindow(this, layout.caption.toString(), layout.clientSize);
    QFrame* Panel1 = Look::addPanel(this, layout.panel, layout.raisedPanel);
    Look::addPicture(Panel1, layout.picture.toString(), layout.pictureGeometry);
    Nav = new PageBrowser(Panel1);
    Nav->setGeometry(layout.browser);
    if (layout.position) {
        move(*layout.position);
    } else {
        WindowPlacement::centreOnScreen(this);
    }
}

void InformationPageWindow::setContentRootSource(std::function<QString()> contentRoot) {
    Nav->setContentRootSource(contentRoot);
    contentRoot_ = std::move(contentRoot);
}

void InformationPageWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window coming back from the task bar shows again without reloading.
    if (!event->spontaneous()) {
        runGuarded([this] { FormShow(); });
    }
}

void InformationPageWindow::FormShow() {
    const QString root = contentRoot_ ? contentRoot_() : QString();
    Nav->Navigate(ContentAddress::pageAddress(root, pageName_));
}

}  // namespace corvanel
