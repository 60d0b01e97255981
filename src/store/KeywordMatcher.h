#pragma once

#include "FoldedRows.h"
#include "RelevanceCounter.h"
#include "WordMatching.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvanel {

// Finds the documents that a key-word search names: the engine behind every
// search and narrowing, which the store asks once per statement.
class KeywordMatcher {
public:
    virtual ~KeywordMatcher() = default;

    // Starts whatever the first search would otherwise wait for.
    virtual void prepareInBackground() {}

    // The text rows (TEXTOS rowids, ascending) whose own text, or whose
    // card's title, key words or sub-title, the search words are found in.
    virtual std::vector<std::int64_t> matchingTextRows(const QString& words) = 0;

    // The folded searchable text of each of rows the engine holds, in their
    // order (SearchIndex::readFoldedRows).
    virtual void readFoldedRows(std::span<const std::int64_t> rows,
                                const SearchIndex::FoldedRowVisitor& visit) = 0;

    // The same rows, matched as asked: whole words are the rows found
    // anywhere whose folded text holds them between word boundaries. among:
    // when given, the only rows (ascending) wanted, so that no other is
    // read to be confirmed; rows outside it may still be answered.
    std::vector<std::int64_t> matchingTextRows(const QString& words, WordMatching matching,
                                               const std::vector<std::int64_t>* among = nullptr);

    // What ordering by relevance weighs of the folded words, when an index
    // counts it alone; nothing otherwise (RelevanceCounter::counts).
    virtual std::optional<RelevanceCounts> relevanceCounts(
        const std::vector<std::string>& /*foldedWords*/, WordMatching /*matching*/) {
        return std::nullopt;
    }

protected:
    // The rows that hold the folded words whole, when an index answers that
    // alone; nothing otherwise.
    virtual std::optional<std::vector<std::int64_t>> indexedWholeWordRows(
        const std::string& /*foldedWords*/) {
        return std::nullopt;
    }

    // The rows among candidates (ascending, each holding the folded words
    // somewhere) that hold them as whole words: each is read and confirmed.
    virtual std::vector<std::int64_t> wholeWordRows(const std::vector<std::int64_t>& candidates,
                                                    const std::string& foldedWords);
};

}  // namespace corvanel
