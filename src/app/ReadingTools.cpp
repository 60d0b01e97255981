#include "ReadingTools.h"

#include "DocumentViewer.h"
#include "Favourites.h"
#include "FavouritesMenu.h"
#include "FavouritesWindow.h"
#include "MainWindow.h"
#include "MainWindowLayout.h"
#include "Prompts.h"
#include "WindowPlacement.h"

#include <QDir>
#include <QMenuBar>

namespace corvanel {

ReadingTools::ReadingTools(DocumentViewer& viewer, MainWindow* mainWindow,
                           const std::function<void(const QString& pageName)>& open)
    : favourites_(std::make_unique<FavouritesFile>()),
      window_(std::make_unique<FavouritesWindow>(*favourites_)) {
    FavouritesWindow* window = window_.get();
    QObject::connect(&viewer, &DocumentViewer::favouriteRequested, window, &FavouritesWindow::keep);
    QObject::connect(window, &FavouritesWindow::openRequested, window, open);
    // Until collections name their own, the program's name and edition.
    viewer.setCitationSource([] {
        return CitationSource{{},
                              kApplicationTitle.toString(),
                              main_window::mainWindowLayout().start.labels.front().text.toString(),
                              {}};
    });
    if (mainWindow == nullptr) {
        return;
    }
    FavouritesFile* favourites = favourites_.get();
    main_window::addFavouritesMenu(
        *mainWindow->menuBar(),
        {[favourites, window] {
             QList<main_window::FavouriteItem> items;
             for (const Favourite& favourite : favourites->list(window->collection())) {
                 items << main_window::FavouriteItem{favourite.pageName, favourite.title.isEmpty()
                                                                             ? favourite.pageName
                                                                             : favourite.title};
             }
             return items;
         },
         open, [&viewer] { viewer.addToFavourites(); },
         [window] { WindowPlacement::showOrRaise(window); }});
}

ReadingTools::~ReadingTools() = default;

void ReadingTools::setCollection(const QString& folder) {
    window_->setCollection(QDir::cleanPath(QDir(folder).absolutePath()));
}

}  // namespace corvanel
