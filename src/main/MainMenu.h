#pragma once

#include "MainWindowLayout.h"
#include "RememberedState.h"

#include <functional>

class QMenu;
class QMenuBar;

namespace corvanel::main_window {

// Fills bar with the main window's menus and items, in their order, each
// item with its shortcut; choosing an item runs its command.
void buildMainMenu(QMenuBar& bar, const std::function<void(MenuCommand)>& run);

// The "Documentos recentes" submenu: one item per document, newest first,
// its title (or its page name when the title is not known); choosing one
// opens it. "(nenhum)", disabled, when there is none.
void fillRecentDocuments(QMenu& menu, const QList<RecentDocument>& documents,
                         const std::function<void(const QString& pageName)>& open);

// At the foot of the "Exibir" menu, each checkable and remembered: "Alto
// contraste" and "Tema escuro" (one or neither) switch the windows' look;
// "Páginas escuras" shows the pages dark.
void addLookItems(QMenuBar& bar);

}  // namespace corvanel::main_window
