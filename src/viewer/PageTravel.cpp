#include "PageTravel.h"

#include "ViewerHistory.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace corvanel {

PageTravel::PageTravel(QWebEngineView* browser, std::function<ViewerPlace(const QUrl&)> describe)
    : QObject(browser), browser_(browser), describe_(std::move(describe)) {
    QWebEnginePage* page = browser->page();
    // A page being left reports scrolls of the next one: they are not its own.
    connect(page, &QWebEnginePage::loadStarted, this, [this] { settled_ = false; });
    connect(page, &QWebEnginePage::loadFinished, this, &PageTravel::pageLoaded);
    connect(page, &QWebEnginePage::scrollPositionChanged, this, [this](const QPointF& position) {
        if (settled_ && !pendingScroll_) {
            // Kept in CSS pixels, so that a place comes back right at another zoom.
            history_.setScroll(position / browser_->zoomFactor());
        }
    });
}

void PageTravel::back() {
    go(history_.back());
}

void PageTravel::forward() {
    go(history_.forward());
}

void PageTravel::go(const std::optional<ViewerPlace>& place) {
    if (!place) {
        return;
    }
    pendingScroll_ = place->scroll;
    pendingUrl_ = ViewerHistory::fileOf(place->url);
    Q_EMIT placeEntered(*place);
    Q_EMIT availabilityChanged(history_.canGoBack(), history_.canGoForward());
    browser_->load(place->url);
}

void PageTravel::pageLoaded(bool loaded) {
    // The end of the load being left (or of one cut short) is not the place
    // gone to: its scroll waits for that place's own page.
    if (pendingScroll_ && (!loaded || ViewerHistory::fileOf(browser_->url()) != pendingUrl_)) {
        return;
    }
    settled_ = loaded;
    if (!pendingScroll_) {
        if (loaded) {
            history_.visit(describe_(browser_->url()));
            Q_EMIT availabilityChanged(history_.canGoBack(), history_.canGoForward());
        }
        return;
    }
    const QPointF scroll = *pendingScroll_;
    pendingScroll_.reset();
    QPointer<PageTravel> self(this);
    browser_->page()->runJavaScript(
        QStringLiteral("window.scrollTo(%1, %2), true").arg(scroll.x()).arg(scroll.y()),
        QWebEngineScript::ApplicationWorld, [self](const QVariant&) {
            if (self) {
                Q_EMIT self->placeRestored();
            }
        });
}

}  // namespace corvanel
