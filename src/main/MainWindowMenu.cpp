// The main window's menu bar: its items, the recent documents' submenu and
// what each command does.
#include "MainWindow.h"

#include "AboutWindow.h"
#include "ErrorBox.h"
#include "MainMenu.h"
#include "SectionRequests.h"

#include <QMenu>
#include <QMenuBar>

namespace corvanel {

using main_window::MenuCommand;
using main_window::Page;
using main_window::Trigger;

namespace {

std::optional<Page> pageOf(MenuCommand command) {
    switch (command) {
        case MenuCommand::Inicio:
            return Page::Inicio;
        case MenuCommand::Textos:
            return Page::Textos;
        case MenuCommand::Legislacao:
            return Page::Legislacao;
        case MenuCommand::Julgados:
            return Page::Julgados;
        case MenuCommand::Experiencias:
            return Page::Experiencias;
        case MenuCommand::Modelos:
            return Page::Modelos;
        case MenuCommand::Ciclos:
            return Page::Ciclos;
        default:
            return std::nullopt;
    }
}

}  // namespace

void MainWindow::buildMenu() {
    main_window::buildMainMenu(*menuBar(), [this](MenuCommand command) {
        runGuarded([this, command] { runMenuCommand(command); });
    });
    main_window::addLookItems(*menuBar());
    if (auto* recent = menuBar()->findChild<QMenu*>(QStringLiteral("DocumentosRecentes1"))) {
        connect(recent, &QMenu::aboutToShow, this, [this, recent] {
            main_window::fillRecentDocuments(*recent,
                                             readingHistory_.recentDocuments
                                                 ? readingHistory_.recentDocuments()
                                                 : QList<RecentDocument>{},
                                             [this](const QString& pageName) {
                                                 runGuarded([&] {
                                                     if (readingHistory_.openRecent) {
                                                         readingHistory_.openRecent(pageName);
                                                     }
                                                 });
                                             });
        });
    }
}

void MainWindow::runMenuCommand(MenuCommand command) {
    if (const std::optional<Page> page = pageOf(command)) {
        switchTo(*page, Trigger::Menu);
        return;
    }
    switch (command) {
        case MenuCommand::AbrirColecao:
            if (collectionOpener_) {
                collectionOpener_();
            }
            break;
        case MenuCommand::LimparHistorico:
            if (readingHistory_.clear) {
                readingHistory_.clear();
            }
            break;
        case MenuCommand::Sair:
            close();
            break;
        case MenuCommand::Localizar:
            openResultList(main_window::emptyResultList());
            break;
        case MenuCommand::ListarLumbra:
            openResultList(main_window::collectionListing());
            break;
        case MenuCommand::Atualizar:
            checkForUpdates();
            break;
        case MenuCommand::Ajuda:
            showHelp();
            break;
        case MenuCommand::Versao:
            showWindow(about_);
            break;
        default:
            break;
    }
}

}  // namespace corvanel
