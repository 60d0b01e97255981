#pragma once

#include <QByteArray>
#include <QString>

namespace corvanel::collection {

// The text of an HTML page as a reader sees it: markup, scripts, styles and
// the head dropped, entities decoded, the page's declared charset honoured
// (undeclared pages that are not UTF-8 are read as windows-1252, as browsers
// do), one line per paragraph, heading, list item, table row or <br>, blanks
// collapsed. Blank lines are not kept, so the first lines of the text are the
// first lines of the page.
QString pageText(const QByteArray& html);

}  // namespace corvanel::collection
