#pragma once

#include "ResultArrangement.h"

#include <QString>

namespace corvanel {

// The request the result-list window holds: written by requests (a field a
// request leaves unset keeps its previous text), and run when the window is
// asked to show it.
struct RequestFields {
    QString kind;            // "T", "G", "A01", "SA" to "SF", a section letter, " "
    QString argument;        // category code, section letter, "T" or " "
    QString words;           // search words (the visible search box)
    QString adoptedSection;  // section letter named after a category listing
    QString subcategory = QStringLiteral(" ");  // sub-category code for section searches
    QString subcategoryMode;        // "0": section searches filter by letter; else by subcategory
    bool wholeWords = false;        // "Palavra inteira": searches and narrowings match whole words
    ResultArrangement arrangement;  // "Ordenar por", "Agrupar por documento"
};

}  // namespace corvanel
