#include "StartPage.h"

#include "Look.h"
#include "MainWindowParts.h"
#include "PageBrowser.h"

#include <QFrame>
#include <QLineEdit>

namespace corvanel {

StartPage::StartPage(const form1::StartPageLayout& layout, const QRect& geometry, QWidget* parent)
    : QFrame(parent) {
    setObjectName(layout.name.toString());
    setGeometry(geometry);
    Look::fillBackground(this, Look::panelWhite());

    form1::placePicture(this, layout.column);
    for (const form1::Label& label : layout.labels) {
        form1::placeLabel(this, label);
    }

    MaskEdit7 = form1::placeDisplay(this, layout.totalDisplay);
    MaskEdit7->setInputMask(layout.totalMask.toString());

    QFrame* Panel1 = form1::placePanel(this, layout.browserPanel, Look::panelWhite());
    Nav2 = new PageBrowser(Panel1);
    Nav2->setObjectName(layout.browser.name.toString());
    Nav2->setGeometry(layout.browser.geometry);
}

void StartPage::setTotal(const QString& total) {
    form1::showInDisplay(MaskEdit7, total);
}

QString StartPage::total() const {
    return MaskEdit7->text();
}

}  // namespace corvanel
