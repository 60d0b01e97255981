#pragma once

#include "PageMarker.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace corvanel {

// A place the viewer showed: the page, how it was opened, and how far it
// was scrolled when the user left it.
struct ViewerPlace {
    QUrl url;
    QString pageName;
    QStringList searchWords;
    QPointF scroll;
    MarkChoices marking = {};  // of the search words
};

// The viewer's back and forward, through documents opened and links
// followed. Going back and forward moves along the places without adding
// any; a new place drops the ones ahead of the current one.
class ViewerHistory {
public:
    static constexpr qsizetype kLength = 100;

    // A page shown other than by going back or forward. The same file as
    // the current place (a print reload, an anchor) stays one place.
    void visit(const ViewerPlace& place);
    // How far the current place is scrolled.
    void setScroll(QPointF scroll);

    bool canGoBack() const { return current_ > 0; }
    bool canGoForward() const { return current_ + 1 < places_.size(); }
    // The place gone to; nullopt (and nothing moves) at either end.
    std::optional<ViewerPlace> back();
    std::optional<ViewerPlace> forward();

    std::optional<ViewerPlace> current() const;
    void clear();

    // The file a place shows: its address without query or fragment.
    static QUrl fileOf(const QUrl& url);

private:
    QList<ViewerPlace> places_;
    qsizetype current_ = -1;
};

}  // namespace corvanel
