#pragma once

#include <QString>

namespace corvanel {

// The request fields of the result-list window: other windows write them and
// show the window, which runs the request they describe. A field that is not
// written keeps its previous text.
struct RequestFields {
    QString tipo;                         // request kind
    QString Edit4;                        // request argument: category code, section letter, "T" or " "
    QString Edit3;                        // search words (the visible search box)
    QString Aux;                          // section letter to adopt after a category request
    QString SUBCAT = QStringLiteral(" ");  // sub-category code for section searches
    QString SUBCATOK;                     // "0": section searches filter by letter; else by SUBCAT
};

}  // namespace corvanel
