#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace corvanel {

class FavouritesFile;

// The "Favoritos" window: the favourites of the open collection, with
// their notes; opens, annotates and removes them, and exports and imports
// a reading list. Created hidden once; closing it only hides it.
class FavouritesWindow final : public QWidget {
    Q_OBJECT

public:
    explicit FavouritesWindow(FavouritesFile& favourites, QWidget* parent = nullptr);

    // The collection whose favourites are shown (its key in the file).
    void setCollection(const QString& collection);
    const QString& collection() const { return collection_; }

    // Ctrl+D: keeps the page and shows it chosen, its note ready to write.
    void keep(const QString& pageName, const QString& title);

    QTreeWidget* list() const { return list_; }
    QLineEdit* noteField() const { return noteField_; }
    // The page of the favourite chosen; empty when none is.
    QString chosenPage() const;

    void openChosen();
    void removeChosen();
    void exportList();
    void importList();

Q_SIGNALS:
    void openRequested(const QString& pageName);
    // Any change to the favourites of a collection.
    void favouritesChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, void (FavouritesWindow::*handler)());
    void fill(const QString& chosen = {});
    void showChosenNote();
    void storeNote();

    FavouritesFile& favourites_;
    QString collection_;
    QTreeWidget* list_;
    QLineEdit* noteField_;
    QPushButton* openButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    bool placed_ = false;
};

}  // namespace corvanel
