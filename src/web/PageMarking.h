#pragma once

#include <QByteArray>
#include <QString>

namespace corvanel::web {

// Marks search words in a collection page as the desktop's viewer does:
// the viewer's own page scripts, with the words and the page's characters
// folded the way the key-word search folds them, added at the end of the
// page's body; they mark every occurrence and scroll to the first.
class PageMarking {
public:
    // The page with the marking scripts added; words separated by line breaks.
    static QByteArray marked(const QByteArray& page, const QString& words);

    // The scripts it adds, served from /recursos/.
    static QByteArray script(const QString& name);
};

}  // namespace corvanel::web
