#include "MainMenu.h"

#include "ContrastSetting.h"
#include "DarkPages.h"
#include "Look.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace corvanel::main_window {

void buildMainMenu(QMenuBar& bar, const std::function<void(MenuCommand)>& run) {
    QMenu* menu = nullptr;
    for (const MenuItem& item : mainWindowLayout().menu) {
        if (menu == nullptr || menu->title() != item.menu) {
            menu = bar.addMenu(item.menu.toString());
        }
        if (item.command == MenuCommand::DocumentosRecentes) {
            QMenu* submenu = menu->addMenu(item.caption.toString());
            submenu->setObjectName(item.name.toString());
            continue;
        }
        QAction* action = menu->addAction(item.caption.toString());
        action->setObjectName(item.name.toString());
        if (item.shortcut.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(item.shortcut));
        }
        // Quitting also answers the desktop's own key (Ctrl+Q), after the
        // layout's, which the menu keeps showing.
        if (item.command == MenuCommand::Sair) {
            action->setShortcuts({QKeySequence(item.shortcut), QKeySequence(Qt::CTRL | Qt::Key_Q)});
        }
        action->setCheckable(item.command == MenuCommand::Trechos);
        const MenuCommand command = item.command;
        QObject::connect(action, &QAction::triggered, &bar, [run, command] { run(command); });
    }
}

void fillRecentDocuments(QMenu& menu, const QList<RecentDocument>& documents,
                         const std::function<void(const QString& pageName)>& open) {
    menu.clear();
    if (documents.isEmpty()) {
        menu.addAction(QStringLiteral("(nenhum)"))->setEnabled(false);
        return;
    }
    int number = 0;
    for (const RecentDocument& document : documents) {
        QString caption = document.title.isEmpty() ? document.pageName : document.title;
        // "&" would be read as the mark of a shortcut letter.
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(++number % 10).arg(caption));
        action->setData(document.pageName);
        const QString pageName = document.pageName;
        QObject::connect(action, &QAction::triggered, &menu, [open, pageName] { open(pageName); });
    }
}

void addLookItems(QMenuBar& bar) {
    for (QAction* menuAction : bar.actions()) {
        QMenu* menu = menuAction->menu();
        if (menu == nullptr || menu->title() != u"Exibir") {
            continue;
        }
        menu->addSeparator();
        QAction* contrast = menu->addAction(QStringLiteral("Alto contraste"));
        contrast->setObjectName(QStringLiteral("AltoContraste1"));
        QAction* dark = menu->addAction(QStringLiteral("Tema escuro"));
        // One look at a time; neither is the design's.
        auto* looks = new QActionGroup(menu);
        looks->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        for (QAction* look : {contrast, dark}) {
            look->setCheckable(true);
            looks->addAction(look);
        }
        contrast->setChecked(Look::scheme() == Look::Scheme::HighContrast);
        dark->setChecked(Look::scheme() == Look::Scheme::Dark);
        QObject::connect(looks, &QActionGroup::triggered, &bar, [contrast, dark] {
            Look::applyScheme(contrast->isChecked() ? Look::Scheme::HighContrast
                              : dark->isChecked()   ? Look::Scheme::Dark
                                                    : Look::Scheme::Design);
            ContrastSetting::store(contrast->isChecked());
            ContrastSetting::storeDarkTheme(dark->isChecked());
        });
        QAction* darkPages = menu->addAction(QStringLiteral("Páginas escuras"));
        darkPages->setCheckable(true);
        darkPages->setChecked(DarkPages::enabled());
        QObject::connect(darkPages, &QAction::toggled, &bar, &DarkPages::setEnabled);
    }
}

}  // namespace corvanel::main_window
