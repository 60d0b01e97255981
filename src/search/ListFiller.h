#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace corvanel {

class Database;
class DisplayLineBreaker;
class ResultLines;
class Row;

// Turns the rows of a listing or search into the lines of the result list:
// a numbered block per document, and a blank separator line after it.
class ListFiller {
public:
    ListFiller(Database& database, const DisplayLineBreaker& breaker, ResultLines& lines)
        : database_(database), breaker_(breaker), lines_(lines) {}

    // Adds a block per row of the statement's result and returns the number
    // of rows. With a mark level, a section label goes before each block and
    // every row is marked at that level once all rows have been read.
    int fill(const QString& statement, std::optional<int> markLevel);

    // The author list: a numbered line and a separator per author, both with
    // the author as key. Returns the number of authors.
    int fillAuthors(const QString& statement);

private:
    void addBlock(const Row& row, int number, bool labelled);
    void addStandardBlock(const Row& row, const QString& code, int number, const QString& label);
    void addDecisionBlock(const Row& row, const QString& code, int number, bool labelled);

    Database& database_;
    const DisplayLineBreaker& breaker_;
    ResultLines& lines_;
};

}  // namespace corvanel
