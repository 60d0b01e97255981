#include "SectionPage.h"

#include "CategoryTree.h"
#include "Look.h"
#include "MainWindowParts.h"
#include "PictureButton.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace corvanel {

namespace {

const main_window::SectionPageCommon& common() {
    return main_window::mainWindowLayout().sectionCommon;
}

// A memo tall enough for its lines, without scrolling.
QRect descriptionGeometry(const main_window::SectionPageLayout& layout, const QFont& font) {
    const auto lines = static_cast<int>(layout.description.count(u'\n')) + 1;
    const int height = lines * QFontMetrics(font).lineSpacing() + 8;
    return {layout.descriptionPosition, QSize(common().descriptionWidth, height)};
}

}  // namespace

SectionPage::SectionPage(const main_window::SectionPageLayout& layout, const QRect& geometry,
                         QWidget* parent)
    : QFrame(parent), section_(layout.section) {
    setObjectName(layout.page.toString());
    setGeometry(geometry);
    Look::fillBackground(this, Look::panelWhite());
    addLeftColumn(layout);
    addSearchRow(layout);
    tree_ = new CategoryTree(main_window::treeLayout(layout.tree), this);
}

void SectionPage::addLeftColumn(const main_window::SectionPageLayout& layout) {
    main_window::placePicture(this, layout.column);

    const QFont font = main_window::fontOf(common().descriptionFont);
    QPlainTextEdit* memo = Look::addMemo(this, layout.description.toString(),
                                         descriptionGeometry(layout, font), font.pixelSize(),
                                         /*wrap=*/false);
    memo->setFont(font);
    Look::fitLinesToWidth(memo);

    main_window::placeLabel(this, common().counterCaption);
    counter_ = main_window::placeDisplay(this, {layout.counter, common().counter});
    main_window::showInDisplay(counter_, layout.counter.toString());

    PictureButton* listing =
        main_window::placeButton(this, layout.listingButton, common().listingButton);
    connect(listing, &PictureButton::clicked, this, &SectionPage::listingRequested);
}

void SectionPage::addSearchRow(const main_window::SectionPageLayout& layout) {
    main_window::placePicture(this, common().topStrip);
    main_window::placePicture(this, common().bottomStrip);
    main_window::placeLabel(this, common().searchCaption);
    main_window::placeLabel(this, common().whereCaption);
    main_window::placeLabel(this, common().treeCaption);

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(layout.searchField.toString());
    searchField_->setGeometry(common().searchField);
    searchField_->setFont(main_window::fontOf(layout.searchFont));
    connect(searchField_, &QLineEdit::returnPressed, this, &SectionPage::searchRequested);

    filter_ = new QComboBox(this);
    filter_->setObjectName(layout.filter.toString());
    filter_->setGeometry(common().filter);
    for (const main_window::FilterItem& item : layout.filterItems) {
        filter_->addItem(item.caption.toString());
    }
    filter_->setCurrentIndex(-1);

    PictureButton* search =
        main_window::placeButton(this, layout.searchButton, common().searchButton);
    connect(search, &PictureButton::clicked, this, &SectionPage::searchRequested);
    // The question mark beside it has no action.
    main_window::placeButton(this, layout.questionButton, common().questionButton);
}

QString SectionPage::searchWords() const {
    return searchField_->text();
}

int SectionPage::filterIndex() const {
    return filter_->currentIndex();
}

void SectionPage::setCounter(const QString& text) {
    main_window::showInDisplay(counter_, text);
}

QString SectionPage::counter() const {
    return counter_->text();
}

}  // namespace corvanel
