#pragma once

#include <QList>
#include <QString>

#include <functional>

class QMenuBar;

namespace corvanel::main_window {

// A favourite as the menu lists it.
struct FavouriteItem {
    QString pageName;
    QString caption;
};

// What the "Favoritos" menu does.
struct FavouritesMenuCommands {
    std::function<QList<FavouriteItem>()> list;  // of the open collection, read at each showing
    std::function<void(const QString& pageName)> open;
    std::function<void()> addOpenDocument;  // Ctrl+D
    std::function<void()> organise;
};

// The "Favoritos" menu, before "Sobre": "Adicionar aos favoritos" (Ctrl+D),
// "Organizar favoritos...", then the favourites of the open collection.
void addFavouritesMenu(QMenuBar& bar, const FavouritesMenuCommands& commands);

}  // namespace corvanel::main_window
