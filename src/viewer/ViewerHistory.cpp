#include "ViewerHistory.h"

namespace corvanel {

QUrl ViewerHistory::fileOf(const QUrl& url) {
    QUrl file = url;
    file.setQuery(QString());
    file.setFragment(QString());
    return file;
}

void ViewerHistory::visit(const ViewerPlace& place) {
    if (const auto shown = current(); shown && fileOf(shown->url) == fileOf(place.url)) {
        // Keeps the address first shown: going back to a print reload would print again.
        ViewerPlace& kept = places_[current_];
        kept.pageName = place.pageName;
        kept.searchWords = place.searchWords;
        kept.marking = place.marking;
        return;
    }
    places_.resize(current_ + 1);
    places_ << place;
    if (places_.size() > kLength) {
        places_.removeFirst();
    }
    current_ = places_.size() - 1;
}

void ViewerHistory::setScroll(QPointF scroll) {
    if (current_ >= 0) {
        places_[current_].scroll = scroll;
    }
}

std::optional<ViewerPlace> ViewerHistory::back() {
    if (!canGoBack()) {
        return std::nullopt;
    }
    return places_.at(--current_);
}

std::optional<ViewerPlace> ViewerHistory::forward() {
    if (!canGoForward()) {
        return std::nullopt;
    }
    return places_.at(++current_);
}

std::optional<ViewerPlace> ViewerHistory::current() const {
    if (current_ < 0) {
        return std::nullopt;
    }
    return places_.at(current_);
}

void ViewerHistory::clear() {
    places_.clear();
    current_ = -1;
}

}  // namespace corvanel
