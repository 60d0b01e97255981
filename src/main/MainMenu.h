#pragma once

#include "MainWindowLayout.h"

#include <functional>

class QMenuBar;

namespace corvanel::main_window {

// Fills bar with the main window's menus and items, in their order, each
// item with its shortcut; choosing an item runs its command.
void buildMainMenu(QMenuBar& bar, const std::function<void(MenuCommand)>& run);

// "Alto contraste", checkable, at the foot of the "Exibir" menu: switches the
// look and remembers the choice.
void addContrastItem(QMenuBar& bar);

}  // namespace corvanel::main_window
