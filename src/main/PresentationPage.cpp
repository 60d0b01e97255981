#include "PresentationPage.h"

#include "CategoryTree.h"
#include "Look.h"
#include "MainWindowParts.h"

#include <QLabel>

namespace corvanel {

PresentationPage::PresentationPage(const main_window::PresentationPageLayout& layout,
                                   QWidget* parent)
    : QFrame(parent) {
    setObjectName(layout.page.name.toString());
    setGeometry(layout.page.geometry);
    Look::fillBackground(this, Look::panelWhite());
    main_window::placePicture(this, layout.strip);
    QLabel* title = main_window::placeLabel(this, layout.title);
    title->setFont(main_window::fontOf(layout.titleFont));
    title->adjustSize();
    tree_ = new CategoryTree(main_window::treeLayout(main_window::TreeId::Apresentacao), this);
    title->setBuddy(tree_);
    tree_->setAccessibleName(layout.title.text.toString());
}

}  // namespace corvanel
