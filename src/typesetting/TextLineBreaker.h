#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace corvanel {

// Breaks texts into the display lines a list shows them in. The result
// list's logic needs only this; how lines are measured (a font, a width) is
// the business of whoever shows them.
class TextLineBreaker {
public:
    struct FirstLines {
        QStringList lines;
        // How much of the text the lines depend on: the text cut anywhere
        // from here on breaks into the same lines. Past the text's end when
        // they depend on where it ends.
        qsizetype reach = 0;
    };

    virtual ~TextLineBreaker() = default;
    // The first count display lines of each text, in their order; those a
    // text does not reach are empty.
    virtual std::vector<FirstLines> firstLinesOfEach(const std::vector<QString>& texts,
                                                     int count) const = 0;
};

}  // namespace corvanel
