#include "PresentationPage.h"

#include "CategoryTree.h"
#include "Look.h"
#include "MainWindowParts.h"

#include <QLabel>

namespace corvanel {

PresentationPage::PresentationPage(const form1::PresentationPageLayout& layout, QWidget* parent)
    : QFrame(parent) {
    setObjectName(layout.page.name.toString());
    setGeometry(layout.page.geometry);
    Look::fillBackground(this, Look::panelWhite());
    form1::placePicture(this, layout.strip);
    QLabel* title = form1::placeLabel(this, layout.title);
    title->setFont(form1::fontOf(layout.titleFont));
    title->adjustSize();
    tree_ = new CategoryTree(form1::treeLayout(form1::TreeId::Apresentacao), this);
}

}  // namespace corvanel
