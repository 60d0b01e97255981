#pragma once

#include "ListedDocument.h"
#include "ResultAddress.h"

#include <QString>

#include <vector>

namespace corvanel {
class Database;
}

namespace corvanel::web {

// The documents a chain ends with, in the order the desktop lists them.
struct ChainResult {
    std::vector<ListedDocument> rows;
    bool labelled = false;
};

// Runs the first request and each narrowing among the documents of the step
// before. Uses the connection's marks, so one thread at a time per Database.
ChainResult evaluateChain(Database& database, const ResultChain& chain);

// One row of a result as a page or the API shows it.
struct ShownRow {
    int number = 0;
    QString labelLine;  // the section's label line in a labelled result
    QString title;
    QString detail;  // the sub-title, or a decision's first characters
    QString code;
    QString sectionName;
    bool decision = false;  // listed by its text's start instead of title and sub-title
};

// The rows numbered [first, first + count) that a reader sees; a row of no
// known section keeps its number but is not shown, as on the desktop.
std::vector<ShownRow> shownRows(Database& database, const ChainResult& result, int first,
                                int count);

}  // namespace corvanel::web
