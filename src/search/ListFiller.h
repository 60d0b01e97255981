#pragma once

#include "ListedDocument.h"
#include "ResultLines.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace corvanel {

class Collection;
class ResultLines;
class TextLineBreaker;

// Court decisions' first display lines, read from the collection's texts
// and broken as the result list shows them.
class DecisionTextLines final : public DecisionLineSource {
public:
    DecisionTextLines(Collection& collection, const TextLineBreaker& breaker)
        : collection_(collection), breaker_(breaker) {}

    std::vector<QStringList> linesOf(const std::vector<std::int64_t>& textRows, int count) override;

private:
    std::vector<QString> textStarts(const std::vector<std::int64_t>& textRows, int characters);

    Collection& collection_;
    const TextLineBreaker& breaker_;
};

// Turns the rows of a result into the lines of the result list: a numbered
// block per row, and a blank separator line after it; under section labels,
// a label line before each block.
class ListFiller {
public:
    ListFiller(ResultLines& lines, bool underLabels) : lines_(lines), underLabels_(underLabels) {}

    // The next row's block. A row of any other section keeps its number but
    // shows nothing. A document listed once for all its matching rows says
    // how many there are (documentRows, when not 0).
    void add(const ListedDocument& row, int documentRows = 0);
    // The author listing: a numbered line and a separator per author, both
    // with the author as key.
    void addAuthors(const QStringList& authors);

private:
    void addStandardBlock(const ListedDocument& row, const QString& label, int documentRows);
    void addDecisionBlock(const ListedDocument& row, const QString& label, int documentRows);
    void addRowCount(int documentRows, const QString& code);

    ResultLines& lines_;
    bool underLabels_;
    int number_ = 0;
};

}  // namespace corvanel
