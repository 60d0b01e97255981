#pragma once

#include "DocumentOutline.h"

#include <QList>
#include <QObject>

class QWebEnginePage;

namespace corvanel {

// The outline of the page a browser shows, read from the page once it is
// loaded (see DocumentOutline), and going to its entries in the page.
class PageOutline final : public QObject {
    Q_OBJECT

public:
    explicit PageOutline(QWebEnginePage* page);

    // Empty until the page shown was read.
    const QList<OutlineEntry>& entries() const { return entries_; }
    void goTo(const OutlineEntry& entry);

    // The script that reads the page, as run in it (for tests).
    static const QString& script();

Q_SIGNALS:
    // The entries changed: a page was read, or another one is loading.
    void outlineChanged();
    // The page was scrolled to an entry.
    void wentTo(int block);

private:
    void read();

    QWebEnginePage* page_;
    QList<OutlineEntry> entries_;
    int generation_ = 0;  // answers about a page left are dropped
};

}  // namespace corvanel
