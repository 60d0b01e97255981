#include "SectionPage.h"

#include "CategoryTree.h"
#include "Look.h"
#include "MainWindowParts.h"
#include "PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
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
}

void SectionPage::addLeftColumn(const main_window::SectionPageLayout& layout) {
    main_window::placePicture(this, layout.column);

    const QFont font = main_window::fontOf(common().descriptionFont);
    QPlainTextEdit* memo = Look::addMemo(this, layout.description.toString(),
                                         descriptionGeometry(layout, font), font.pixelSize(),
                                         /*wrap=*/false);
    memo->setFont(font);
    Look::fitLinesToWidth(memo);

    QLabel* counterCaption = main_window::placeLabel(this, common().counterCaption);
    counter_ = main_window::placeDisplay(this, {layout.counter, common().counter});
    counterCaption->setBuddy(counter_);
    counter_->setAccessibleName(common().counterCaption.text.toString());
    // Until the collection has been counted there is no number to show.
    main_window::showInDisplay(counter_, kNoTotal.toString());

    PictureButton* listing =
        main_window::placeButton(this, layout.listingButton, common().listingButton);
    connect(listing, &PictureButton::clicked, this, &SectionPage::listingRequested);
    listingButton_ = listing;
}

void SectionPage::addSearchRow(const main_window::SectionPageLayout& layout) {
    main_window::placePicture(this, common().topStrip);
    main_window::placePicture(this, common().bottomStrip);
    QLabel* searchCaption = main_window::placeLabel(this, common().searchCaption);
    QLabel* whereCaption = main_window::placeLabel(this, common().whereCaption);
    QLabel* treeCaption = main_window::placeLabel(this, common().treeCaption);

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(layout.searchField.toString());
    searchField_->setGeometry(common().searchField);
    searchField_->setFont(main_window::fontOf(layout.searchFont));
    connect(searchField_, &QLineEdit::returnPressed, this, &SectionPage::searchRequested);
    searchCaption->setBuddy(searchField_);
    searchField_->setAccessibleName(common().searchCaption.text.toString());

    filter_ = new QComboBox(this);
    filter_->setObjectName(layout.filter.toString());
    filter_->setGeometry(common().filter);
    for (const main_window::FilterItem& item : layout.filterItems) {
        filter_->addItem(item.caption.toString());
    }
    filter_->setCurrentIndex(-1);
    whereCaption->setBuddy(filter_);
    filter_->setAccessibleName(common().whereCaption.text.toString());

    PictureButton* search =
        main_window::placeButton(this, layout.searchButton, common().searchButton);
    connect(search, &PictureButton::clicked, this, &SectionPage::searchRequested);
    searchButton_ = search;
    // The question mark beside it has no action, and so is no stop for Tab.
    main_window::placeButton(this, layout.questionButton, common().questionButton)
        ->setFocusPolicy(Qt::NoFocus);
    tree_ = new CategoryTree(main_window::treeLayout(layout.tree), this);
    treeCaption->setBuddy(tree_);
    tree_->setAccessibleName(common().treeCaption.text.toString());
}

QList<QWidget*> SectionPage::tabStops() const {
    QList<QWidget*> stops{searchField_, filter_, searchButton_, tree_, listingButton_};
    if (wholeWordsBox_ != nullptr) {
        // After the search button: Tab from the field still reaches the filter.
        stops.insert(3, wholeWordsBox_);
    }
    return stops;
}

void SectionPage::placeWholeWordsBox(QCheckBox* box) {
    wholeWordsBox_ = box;
    box->setParent(this);
    box->setGeometry(common().wholeWordsBox);
    box->setFont(searchField_->font());
    box->show();
}

void SectionPage::focusSearchField() {
    searchField_->setFocus(Qt::ShortcutFocusReason);
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
