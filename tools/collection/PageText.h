#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace corvanel::collection {

// The text of an HTML page as a reader sees it: markup, scripts, styles and
// the head dropped, entities decoded, the page's declared charset honoured
// (undeclared pages that are not UTF-8 are read as windows-1252, as browsers
// do), one line per paragraph, heading, list item, table row or <br>, blanks
// collapsed. Blank lines are not kept, so the first lines of the text are the
// first lines of the page. Throws PageTextError when the parser stops before
// the end of the page, rather than give a text cut short.
QString pageText(const QByteArray& html);

class PageTextError : public std::runtime_error {
public:
    explicit PageTextError(const QString& reason);

    // Why the page could not be read to its end, in Portuguese.
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

}  // namespace corvanel::collection
