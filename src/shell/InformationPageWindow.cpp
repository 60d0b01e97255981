#include "InformationPageWindow.h"

#include "ContentAddress.h"
#include "ErrorBox.h"
#include "Look.h"
#include "PageBrowser.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QShowEvent>

namespace corvanel {

InformationPageWindow::InformationPageWindow(const Layout& layout, QWidget* parent)
    : QWidget(parent), pageName_(layout.pageName.toString()) {
    Look::setUpToolWindow(this, layout.caption.toString(), layout.clientSize);
    QFrame* whitePanel = Look::addPanel(this, layout.panel, layout.raisedPanel);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    Look::addPicture(whitePanel, layout.picture.toString(), layout.pictureGeometry)
        ->setObjectName(QStringLiteral("Image1"));
    pageBrowser_ = new PageBrowser(whitePanel);
    pageBrowser_->setObjectName(QStringLiteral("Nav"));
    pageBrowser_->setGeometry(layout.browser);
    if (layout.position) {
        move(*layout.position);
    } else {
        WindowPlacement::centreOnScreen(this);
    }
}

void InformationPageWindow::setContentRootSource(std::function<QString()> contentRoot) {
    pageBrowser_->setContentRootSource(contentRoot);
    contentRoot_ = std::move(contentRoot);
}

void InformationPageWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window coming back from the task bar shows again without reloading.
    if (!event->spontaneous()) {
        runGuarded([this] { loadPage(); });
    }
}

void InformationPageWindow::loadPage() {
    const QString root = contentRoot_ ? contentRoot_() : QString();
    pageBrowser_->Navigate(ContentAddress::pageAddress(root, pageName_));
}

}  // namespace corvanel
