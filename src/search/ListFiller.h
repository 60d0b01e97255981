#pragma once

#include "ListingRequest.h"

#include <QString>

#include <optional>

namespace corvanel {

class Database;
class DisplayLineBreaker;
class ResultLines;

// Turns the rows of a listing or search into the lines of the result list:
// a numbered block per document, and a blank separator line after it.
class ListFiller {
public:
    ListFiller(Database& database, const DisplayLineBreaker& breaker, ResultLines& lines)
        : database_(database), breaker_(breaker), lines_(lines) {}

    // Adds a block per row of the listing and returns the number of rows.
    // With a mark level, a section label goes before each block and every
    // row is marked at that level once all rows have been read. The author
    // listing adds a numbered line and a separator per author, both with the
    // author as key, and returns the number of authors.
    int fill(const ListingRequest& listing, std::optional<int> markLevel);

private:
    int fillAuthors();
    void addBlock(const ListedDocument& row, int number, bool labelled);
    void addStandardBlock(const ListedDocument& row, int number, const QString& label);
    void addDecisionBlock(const ListedDocument& row, int number, const QString& label);

    Database& database_;
    const DisplayLineBreaker& breaker_;
    ResultLines& lines_;
};

}  // namespace corvanel
