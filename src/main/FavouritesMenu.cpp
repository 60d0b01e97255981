#include "FavouritesMenu.h"

#include "ErrorBox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace corvanel::main_window {

namespace {

QAction* menuNamed(QMenuBar& bar, QStringView title) {
    for (QAction* action : bar.actions()) {
        if (action->menu() != nullptr && action->menu()->title() == title) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void addFavouritesMenu(QMenuBar& bar, const FavouritesMenuCommands& commands) {
    auto* menu = new QMenu(QStringLiteral("Favoritos"), &bar);
    bar.insertMenu(menuNamed(bar, u"Sobre"), menu);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, commands] {
        menu->clear();
        // The key is the window's own (below): shown here, not taken twice.
        QAction* add = menu->addAction(QStringLiteral("Adicionar aos favoritos...\tCtrl+D"));
        QObject::connect(add, &QAction::triggered, menu,
                         [commands] { runGuarded([&] { commands.addOpenDocument(); }); });
        QAction* organise = menu->addAction(QStringLiteral("Organizar favoritos..."));
        QObject::connect(organise, &QAction::triggered, menu,
                         [commands] { runGuarded([&] { commands.organise(); }); });
        menu->addSeparator();
        const QList<FavouriteItem> items = commands.list();
        if (items.isEmpty()) {
            menu->addAction(QStringLiteral("(nenhum)"))->setEnabled(false);
        }
        for (const FavouriteItem& item : items) {
            QString caption = item.caption;
            // "&" would be read as the mark of a shortcut letter.
            caption.replace(u'&', QStringLiteral("&&"));
            QAction* action = menu->addAction(caption);
            action->setData(item.pageName);
            const QString page = item.pageName;
            QObject::connect(action, &QAction::triggered, menu,
                             [commands, page] { runGuarded([&] { commands.open(page); }); });
        }
    });
    // Ctrl+D answers before the menu was ever shown.
    auto* addKey = new QAction(menu);
    addKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    addKey->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(addKey, &QAction::triggered, menu,
                     [commands] { runGuarded([&] { commands.addOpenDocument(); }); });
    bar.parentWidget()->addAction(addKey);
}

}  // namespace corvanel::main_window
