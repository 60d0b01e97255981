#pragma once

#include "MainWindowLayout.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvanel {

class CategoryTree;

// One of the six section pages: on the left a picture, what the section
// holds, its document counter and the button listing the whole section; on
// the right the key-word search with its filter, and the category tree.
class SectionPage final : public QFrame {
    Q_OBJECT

public:
    SectionPage(const main_window::SectionPageLayout& layout, const QRect& geometry,
                QWidget* parent);

    Section section() const { return section_; }
    CategoryTree* tree() const { return tree_; }

    QString searchWords() const;
    QLineEdit* searchField() const { return searchField_; }
    // The chosen filter item; -1 while none has been chosen.
    int filterIndex() const;

    // The "Palavra inteira" box the search shares with every other, put in
    // its place under the search field.
    void placeWholeWordsBox(QCheckBox* box);
    QCheckBox* wholeWordsBox() const { return wholeWordsBox_; }

    void focusSearchField();
    // The controls Tab stops at, in their order.
    QList<QWidget*> tabStops() const;

    // What a counter shows before the collection has been counted.
    static constexpr QStringView kNoTotal = u"—";

    // The counter shows whatever it is given, and nothing else.
    void setCounter(const QString& text);
    QString counter() const;

Q_SIGNALS:
    // The search button, or Enter in the search field.
    void searchRequested();
    void listingRequested();

private:
    void addLeftColumn(const main_window::SectionPageLayout& layout);
    void addSearchRow(const main_window::SectionPageLayout& layout);

    Section section_;
    QLineEdit* searchField_ = nullptr;
    QComboBox* filter_ = nullptr;
    QCheckBox* wholeWordsBox_ = nullptr;
    QLineEdit* counter_ = nullptr;
    CategoryTree* tree_ = nullptr;
    QWidget* searchButton_ = nullptr;
    QWidget* listingButton_ = nullptr;
};

}  // namespace corvanel
