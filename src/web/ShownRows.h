#pragma once

#include "SearchResult.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace corvanel::web {

// One row of a result as a page or the API shows it.
struct ShownRow {
    int number = 0;
    QString labelLine;  // the section's label line in a labelled result
    QString title;
    QString detail;  // the sub-title, or a decision's first characters
    QString code;
    QString sectionName;
    bool decision = false;     // listed by its text's start instead of title and sub-title
    std::int64_t textRow = 0;  // the text row the document opens at
    int documentRows = 0;      // in a result grouped by document, its matching rows

    bool operator==(const ShownRow&) const = default;
};

// The rows numbered [first + 1, first + count] of a result as the desktop's
// list shows them: a row of no known section keeps its number but is not
// shown.
std::vector<ShownRow> shownRows(Database& database, const SearchResult& result, int first,
                                int count);

}  // namespace corvanel::web
