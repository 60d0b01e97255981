#include "StartPage.h"

#include "Look.h"
#include "MainWindowParts.h"
#include "PageBrowser.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace corvanel {

StartPage::StartPage(const main_window::StartPageLayout& layout, const QRect& geometry,
                     QWidget* parent)
    : QFrame(parent) {
    setObjectName(layout.name.toString());
    setGeometry(geometry);
    Look::fillBackground(this, Look::panelWhite());

    main_window::placePicture(this, layout.column);
    QLabel* totalCaption = nullptr;
    for (const main_window::Label& label : layout.labels) {
        totalCaption = main_window::placeLabel(this, label);
        // The first label is the edition.
        if (editionLabel_ == nullptr) {
            editionLabel_ = totalCaption;
        }
    }
    // A collection's own edition stays in the column.
    ownEdition_ = layout.labels.front().text.toString();
    editionWidth_ = layout.column.geometry.right() - layout.labels.front().position.x();

    MaskEdit7 = main_window::placeDisplay(this, layout.totalDisplay);
    MaskEdit7->setInputMask(layout.totalMask.toString());
    // The last label is "Total de Doc.: ".
    totalCaption->setBuddy(MaskEdit7);
    MaskEdit7->setAccessibleName(layout.labels.back().text.trimmed().toString());

    QFrame* Panel1 = main_window::placePanel(this, layout.browserPanel, Look::panelWhite());
    Nav2 = new PageBrowser(Panel1);
    Nav2->setObjectName(layout.browser.name.toString());
    Nav2->setGeometry(layout.browser.geometry);
    Nav2->setAccessibleName(QStringLiteral("Página inicial"));
    setEdition(QString());
}

void StartPage::setTotal(const QString& total) {
    main_window::showInDisplay(MaskEdit7, total);
}

QString StartPage::total() const {
    return MaskEdit7->text();
}

void StartPage::setEdition(const QString& edition) {
    const QString text = edition.isEmpty() ? ownEdition_ : edition;
    editionLabel_->setText(
        editionLabel_->fontMetrics().elidedText(text, Qt::ElideRight, editionWidth_));
    editionLabel_->setToolTip(text);
    editionLabel_->adjustSize();
}

QString StartPage::edition() const {
    return editionLabel_->toolTip();
}

}  // namespace corvanel
