#pragma once

#include "Sqlite.h"
#include "WordMatching.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvanel {

class WordIndex;

// What ordering by relevance weighs of a search's words, counted from the
// word index instead of the texts. Each is by text row number.
struct RelevanceCounts {
    // The words' matches in the row's searchable text (title, key words,
    // sub-title and text), and the words of that text, as the index reads
    // words (runs of word characters).
    std::vector<std::uint32_t> matches;
    std::vector<std::uint32_t> words;
    // Whether one of them is in the row's title, in its key words.
    std::vector<bool> inTitle;
    std::vector<bool> inKeyWords;
};

// Counts the matches of words in every row at once, through an FTS5
// function of the connection (which must outlive it) over the word index.
// What it needs of every row (its words, and those of its title and key
// words) is read at the first count and held.
class RelevanceCounter {
public:
    RelevanceCounter(sqlite::Connection& connection, std::int64_t lastTextRow);
    // The function it defines calls it where it stands.
    RelevanceCounter(const RelevanceCounter&) = delete;
    RelevanceCounter& operator=(const RelevanceCounter&) = delete;

    // Nothing when the index does not answer one of the words
    // (WordIndex::termsHolding). Throws DatabaseError.
    std::optional<RelevanceCounts> counts(const WordIndex& index,
                                          const std::vector<std::string>& foldedWords,
                                          WordMatching matching);

private:
    void readRowWords();
    void countFieldWords(const sqlite::Fts5Query& query);
    void count(const sqlite::Fts5Query& query);

    sqlite::Connection& connection_;
    std::int64_t lastTextRow_;
    std::vector<std::uint32_t> rowWords_;
    // Each row's searchable text begins with its title's words, then its
    // key words'; empty until the function first runs.
    std::vector<std::uint32_t> titleWords_;
    std::vector<std::uint32_t> keyWordWords_;
    // What the function adds a row's matches to, and how much a match of
    // each of the query's phrases counts: set for the length of a count.
    RelevanceCounts* counting_ = nullptr;
    std::vector<std::uint32_t> phraseWeights_;
    std::optional<sqlite::Statement> query_;  // kept prepared
};

}  // namespace corvanel
