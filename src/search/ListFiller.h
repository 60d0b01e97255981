#pragma once

#include "ListingRequest.h"
#include "ResultLines.h"

#include <QString>

#include <optional>

namespace corvanel {

class Collection;
class Database;
class DisplayLineBreaker;
class ResultLines;

// Court decisions' first display lines, read from the collection's texts
// and broken as the result list shows them.
class DecisionTextLines final : public DecisionLineSource {
public:
    DecisionTextLines(Collection& collection, const DisplayLineBreaker& breaker)
        : collection_(collection), breaker_(breaker) {}

    std::vector<QStringList> linesOf(const std::vector<std::int64_t>& textRows, int count) override;

private:
    Collection& collection_;
    const DisplayLineBreaker& breaker_;
};

// Turns the rows of a listing or search into the lines of the result list:
// a numbered block per document, and a blank separator line after it.
class ListFiller {
public:
    ListFiller(Database& database, ResultLines& lines) : database_(database), lines_(lines) {}

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
    ResultLines& lines_;
};

}  // namespace corvanel
