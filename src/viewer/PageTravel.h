#pragma once

#include "ViewerHistory.h"

#include <QObject>

#include <functional>

class QWebEngineView;

namespace corvanel {

// Back and forward in a page browser: records each page it shows and how
// far it is scrolled, and on going back or forward loads the place again
// and scrolls it to where the user left it.
class PageTravel final : public QObject {
    Q_OBJECT

public:
    // describe: the place a page just shown makes, as its viewer knows it.
    // Created after the viewer's own handlers of the browser's loads, so
    // that the scroll is restored after whatever they do to the page.
    PageTravel(QWebEngineView* browser, std::function<ViewerPlace(const QUrl&)> describe);

    const ViewerHistory& history() const { return history_; }

    void back();
    void forward();

Q_SIGNALS:
    // Before a place gone back or forward to is loaded.
    void placeEntered(const ViewerPlace& place);
    void availabilityChanged(bool canGoBack, bool canGoForward);
    // The place gone to is shown and scrolled.
    void placeRestored();

private:
    void go(const std::optional<ViewerPlace>& place);
    void pageLoaded(bool loaded);

    QWebEngineView* browser_;
    std::function<ViewerPlace(const QUrl&)> describe_;
    ViewerHistory history_;
    std::optional<QPointF> pendingScroll_;  // while a place gone to loads
    QUrl pendingUrl_;                       // that place's page
    bool settled_ = false;                  // a page is shown and not being left
};

}  // namespace corvanel
