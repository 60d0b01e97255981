#pragma once

#include "Database.h"
#include "SearchRequest.h"

#include <QSet>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace corvanel {

// What a request or a chain lists, as a value: the rows in their order (or
// the authors' names), whether they are listed under section labels, and
// so whether a narrowing may look among them. It holds no connection and no
// state of the database: a window keeps the results it shows, a server
// computes them again from the address.
struct SearchResult {
    std::vector<ResultRow> rows;
    QStringList authors;
    bool labelled = false;
    // Grouped by document (groupedByDocument): for each row, how many rows
    // of its document matched; empty for a result listed row by row.
    std::vector<int> documentRowCounts;

    // What the result list counts: rows, or authors.
    int count() const;
    // The documents a narrowing looks among: those of a labelled result.
    QSet<std::int64_t> narrowableDocuments() const;
    bool operator==(const SearchResult&) const = default;
};

// Called with every listed card while a result is computed, in order, so a
// front end can show rows as they come instead of looking them up again.
using ListedRowVisitor = Database::DocumentHandler;

// The rows of a request.
SearchResult evaluate(Database& database, const SearchRequest& request,
                      const ListedRowVisitor& visit = {});
// The rows the words match among the documents of previous, in title order,
// each text row once; under section labels.
SearchResult narrow(Database& database, const SearchResult& previous, const QString& words,
                    const ListedRowVisitor& visit = {},
                    WordMatching matching = WordMatching::Anywhere);
// A chain: its request, then each narrowing (matched as the chain says);
// visit sees the last step's rows.
SearchResult evaluate(Database& database, const SearchChain& chain,
                      const ListedRowVisitor& visit = {});

// The cards of rows, in their order, each text row once (the first time it
// appears): a result shown again, or a page of one.
int listRows(Database& database, std::span<const ResultRow> rows, const ListedRowVisitor& visit);

}  // namespace corvanel
