#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace corvanel {

class DocumentViewer;
class FavouritesFile;
class FavouritesWindow;
class MainWindow;

// The tools of daily reading around the viewer: the favourites of each
// collection (their window and the main window's "Favoritos" menu) and
// what a citation names.
class ReadingTools {
public:
    // open: how a favourite is opened (it may be missing from the collection).
    ReadingTools(DocumentViewer& viewer, MainWindow* mainWindow,
                 const std::function<void(const QString& pageName)>& open);
    ~ReadingTools();
    ReadingTools(const ReadingTools&) = delete;
    ReadingTools& operator=(const ReadingTools&) = delete;

    // The collection open now, by its folder.
    void setCollection(const QString& folder);

    FavouritesWindow* favouritesWindow() const { return window_.get(); }

private:
    std::unique_ptr<FavouritesFile> favourites_;
    std::unique_ptr<FavouritesWindow> window_;
};

}  // namespace corvanel
