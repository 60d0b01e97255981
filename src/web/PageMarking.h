#pragma once

#include <QByteArray>
#include <QString>

namespace corvanel::web {

// Marks search words in a collection page as the desktop's viewer does:
// the viewer's own page scripts, with the words and the page's characters
// folded the way the key-word search folds them, added at the end of the
// page's body; they mark every occurrence and scroll to the one the
// passage tells, or the first.
// What a page is marked with.
struct PageMarks {
    QString words;  // separated by line breaks
    bool wholeWords = false;
    // The text around the occurrence the page opens at (a result row's
    // passage); the first occurrence when empty or nowhere.
    QString near;
};

class PageMarking {
public:
    // The page with the marking scripts added.
    static QByteArray marked(const QByteArray& page, const PageMarks& marks);

    // The scripts it adds, served from /recursos/.
    static QByteArray script(const QString& name);
};

}  // namespace corvanel::web
