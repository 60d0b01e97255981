#include "SectionPage.h"

#include "CategoryTree.h"
#include "Look.h"
#include "MainWindowParts.h"
#include "TTavik.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corvanel {

namespace {

const form1::SectionPageCommon& common() {
    return form1::mainWindowLayout().sectionCommon;
}

// A memo tall enough for its lines, without scrolling.
QRect descriptionGeometry(const form1::SectionPageLayout& layout, const QFont& font) {
    const auto lines = static_cast<int>(layout.description.count(u'\n')) + 1;
    const int height = lines * QFontMetrics(font).lineSpacing() + 8;
    return {layout.descriptionPosition, QSize(common().descriptionWidth, height)};
}

}  // namespace

SectionPage::SectionPage(const form1::SectionPageLayout& layout, const QRect& geometry,
                         QWidget* parent)
    : QFrame(parent), section_(layout.section) {
    setObjectName(layout.page.toString());
    setGeometry(geometry);
    Look::fillBackground(this, Look::panelWhite());
    addLeftColumn(layout);
    addSearchRow(layout);
    tree_ = new CategoryTree(form1::treeLayout(layout.tree), this);
}

void SectionPage::addLeftColumn(const form1::SectionPageLayout& layout) {
    form1::placePicture(this, layout.column);

    const QFont font = form1::fontOf(common().descriptionFont);
    QPlainTextEdit* memo = Look::addMemo(this, layout.description.toString(),
                                         descriptionGeometry(layout, font), font.pixelSize(),
                                         /*wrap=*/false);
    memo->setFont(font);
    Look::fitLinesToWidth(memo);

    form1::placeLabel(this, common().counterCaption);
    counter_ = form1::placeDisplay(this, {layout.counter, common().counter});
    form1::showInDisplay(counter_, layout.counter.toString());

    TTavik* listing = form1::placeButton(this, layout.listingButton, common().listingButton);
    connect(listing, &TTavik::clicked, this, &SectionPage::listingRequested);
}

void SectionPage::addSearchRow(const form1::SectionPageLayout& layout) {
    form1::placePicture(this, common().topStrip);
    form1::placePicture(this, common().bottomStrip);
    form1::placeLabel(this, common().searchCaption);
    form1::placeLabel(this, common().whereCaption);
    form1::placeLabel(this, common().treeCaption);

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(layout.searchField.toString());
    searchField_->setGeometry(common().searchField);
    searchField_->setFont(form1::fontOf(layout.searchFont));
    connect(searchField_, &QLineEdit::returnPressed, this, &SectionPage::searchRequested);

    filter_ = new QComboBox(this);
    filter_->setObjectName(layout.filter.toString());
    filter_->setGeometry(common().filter);
    for (const form1::FilterItem& item : layout.filterItems) {
        filter_->addItem(item.caption.toString());
    }
    filter_->setCurrentIndex(-1);

    TTavik* search = form1::placeButton(this, layout.searchButton, common().searchButton);
    connect(search, &TTavik::clicked, this, &SectionPage::searchRequested);
    // The question mark beside it has no action.
    form1::placeButton(this, layout.questionButton, common().questionButton);
}

QString SectionPage::searchWords() const {
    return searchField_->text();
}

int SectionPage::filterIndex() const {
    return filter_->currentIndex();
}

void SectionPage::setCounter(const QString& text) {
    form1::showInDisplay(counter_, text);
}

QString SectionPage::counter() const {
    return counter_->text();
}

}  // namespace corvanel
