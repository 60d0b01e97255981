#pragma once

#include "WordMatching.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

// The search index's words (SEARCH_WORDS): an FTS5 index of whole words
// over the same folded text as the trigrams, without a copy of it, and its
// vocabulary (SEARCH_TERMS), held in memory. Words of letters and digits
// between single blanks are answered from it far more cheaply than from
// the trigrams when they are long enough: the first word is the end of a
// word of the text, the middle ones whole words, the last the start of one.
class WordIndex {
public:
    static constexpr const char* kCreate = R"sql(
CREATE VIRTUAL TABLE SEARCH_WORDS USING fts5(
    folded, content = '', tokenize = 'unicode61 remove_diacritics 0', detail = full
);
CREATE TABLE SEARCH_TERMS (term TEXT PRIMARY KEY) WITHOUT ROWID;
)sql";
    static constexpr const char* kDrop =
        "DROP TABLE IF EXISTS SEARCH_WORDS; DROP TABLE IF EXISTS SEARCH_TERMS;";
    static constexpr const char* kInsert = "insert into SEARCH_WORDS (rowid, folded) values (?, ?)";

    // Writes SEARCH_TERMS once SEARCH_WORDS holds every row.
    static void writeTerms(sqlite::Connection& connection);
    static bool isPresent(sqlite::Connection& connection);

    // Reads the vocabulary. Throws DatabaseError.
    explicit WordIndex(sqlite::Connection& connection);

    // The text rows (ascending) whose folded text holds the folded words;
    // nothing when the words are not of the kind this index answers, or
    // the trigrams would answer them more cheaply.
    std::optional<std::vector<std::int64_t>> matchingTextRows(sqlite::Connection& connection,
                                                              const std::string& foldedWords) const;

    // The text rows (ascending) where the folded words stand as whole words
    // of the text, one after the other, whatever separates them: what a
    // search for whole words confirms with its own test of the words' edges
    // and separators. Nothing when the words are not of letters and digits
    // between single blanks.
    std::optional<std::vector<std::int64_t>> wholeWordCandidates(
        sqlite::Connection& connection, const std::string& foldedWords) const;

    // The text rows (ascending) that hold the folded word whole
    // (WordMatching::WholeWords), from the index alone: exactly the rows a
    // reading of every text would find. Nothing when it is not one word of
    // letters and digits.
    std::optional<std::vector<std::int64_t>> wholeWordRows(sqlite::Connection& connection,
                                                           const std::string& foldedWord) const;

    // A term of the index, and how many times it holds a word.
    struct TermMatches {
        std::string_view term;
        std::uint32_t times = 0;
    };

    // The terms that hold the folded word, matched as asked: the rows of
    // those terms are the rows that hold the word, and the terms' places
    // in a row its matches there. Nothing when it is not one word of
    // letters and digits, or too many terms hold it.
    std::optional<std::vector<TermMatches>> termsHolding(std::string_view foldedWord,
                                                         WordMatching matching,
                                                         size_t mostTerms = kMostTerms) const;

    // Beyond this many terms a word's rows cost more from the index than
    // from the trigrams.
    static constexpr size_t kMostTerms = 64;

    // The FTS5 query for any of the terms, each a phrase of its own in their order.
    static std::string anyOf(const std::vector<TermMatches>& terms);

    // Whether the folded word is a word of the texts, whole.
    bool hasTerm(std::string_view word) const;

private:
    // Up to limit terms for which accept holds; nothing beyond it.
    template <typename Accept>
    std::optional<std::vector<std::string_view>> termsWhere(Accept accept, size_t limit) const;
    std::optional<std::vector<std::string_view>> termsStartingWith(std::string_view start,
                                                                   size_t limit) const;

    std::vector<std::string> terms_;  // ascending, as the engine orders them
    // The terms one after the other, each ended by a line break (which no
    // term holds), and where each begins: searched in one pass.
    std::string vocabulary_;
    std::vector<size_t> termStarts_;
    // Where those with a character beyond ASCII stand: the only ones that
    // may hold another word whole (see wholeWordRows).
    std::vector<size_t> termsBeyondAscii_;
};

}  // namespace corvanel
