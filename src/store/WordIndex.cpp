#include "WordIndex.h"

#include "FoldedRows.h"
#include "Sqlite.h"
#include "WordMatching.h"

#include <algorithm>

namespace corvanel {

namespace {

// Beyond these the candidates' doclists cost more than the trigrams.
constexpr size_t kShortestEdgeWord = 3;
constexpr size_t kMostWords = 12;

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Lower-case ASCII letters and digits between single blanks: what the
// word tokenizer cuts exactly where a search finds the words.
std::optional<std::vector<std::string_view>> plainWords(std::string_view folded) {
    std::vector<std::string_view> words;
    size_t start = 0;
    for (size_t at = 0; at <= folded.size(); ++at) {
        if (at == folded.size() || folded[at] == ' ') {
            if (at == start) {
                return std::nullopt;  // a blank at an end, or two
            }
            words.push_back(folded.substr(start, at - start));
            start = at + 1;
        } else if (!isWordCharacter(folded[at])) {
            return std::nullopt;
        }
    }
    return words;
}

std::string quoted(std::string_view term) {
    return '"' + std::string(term) + '"';
}

std::vector<std::int64_t> rowsOf(sqlite::Connection& connection, const std::string& match) {
    sqlite::Statement query(
        connection, "select rowid from SEARCH_WORDS where SEARCH_WORDS match ? order by rowid");
    query.bindUtf8(1, match);
    std::vector<std::int64_t> rows;
    while (query.step()) {
        rows.push_back(query.int64(0));
    }
    return rows;
}

}  // namespace

void WordIndex::writeTerms(sqlite::Connection& connection) {
    connection.executeScript(
        "CREATE VIRTUAL TABLE temp.SEARCH_WORDS_VOCABULARY USING fts5vocab(main, SEARCH_WORDS, "
        "row);"
        "INSERT INTO SEARCH_TERMS (term) SELECT term FROM temp.SEARCH_WORDS_VOCABULARY;"
        "DROP TABLE temp.SEARCH_WORDS_VOCABULARY;");
}

bool WordIndex::isPresent(sqlite::Connection& connection) {
    sqlite::Statement tables(connection,
                             "select count(*) from sqlite_master where type = 'table' and name "
                             "in ('SEARCH_WORDS', 'SEARCH_TERMS')");
    return tables.step() && tables.int64(0) == 2;
}

WordIndex::WordIndex(sqlite::Connection& connection) {
    sqlite::Statement terms(connection, "select term from SEARCH_TERMS order by term");
    while (terms.step()) {
        terms_.emplace_back(terms.utf8(0));
    }
    for (size_t at = 0; at < terms_.size(); ++at) {
        termStarts_.push_back(vocabulary_.size());
        vocabulary_ += terms_[at];
        vocabulary_ += '\n';
        if (std::any_of(terms_[at].begin(), terms_[at].end(),
                        [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; })) {
            termsBeyondAscii_.push_back(at);
        }
    }
}

std::optional<std::vector<WordIndex::TermMatches>> WordIndex::termsHolding(
    std::string_view foldedWord, WordMatching matching, size_t mostTerms) const {
    const std::optional<std::vector<std::string_view>> words = plainWords(foldedWord);
    if (!words || words->size() != 1) {
        return std::nullopt;
    }
    std::vector<TermMatches> found;
    const auto add = [&](std::string_view term) {
        if (const size_t times = word_matching::count(term, foldedWord, matching); times > 0) {
            found.push_back({term, static_cast<std::uint32_t>(times)});
        }
        return found.size() <= mostTerms;
    };
    if (matching == WordMatching::Anywhere) {
        // One pass over the whole vocabulary, each term that holds the word
        // taken once.
        for (size_t at = vocabulary_.find(foldedWord); at != std::string::npos;) {
            const auto term =
                static_cast<size_t>(std::upper_bound(termStarts_.begin(), termStarts_.end(), at) -
                                    termStarts_.begin() - 1);
            if (!add(terms_[term])) {
                return std::nullopt;
            }
            at = term + 1 < termStarts_.size() ? vocabulary_.find(foldedWord, termStarts_[term + 1])
                                               : std::string::npos;
        }
        return found;
    }
    if (const auto own = std::lower_bound(terms_.begin(), terms_.end(), foldedWord);
        own != terms_.end() && *own == foldedWord) {
        add(*own);
    }
    // The tokenizer's tables are older than ICU's: it reads a character
    // assigned since (an emoji, a new sign) as part of a word, where a search
    // sees a boundary. A term holding the word whole beside one counts too.
    for (const size_t at : termsBeyondAscii_) {
        if (!add(terms_[at])) {
            return std::nullopt;
        }
    }
    return found;
}

std::string WordIndex::anyOf(const std::vector<TermMatches>& terms) {
    std::string match;
    for (const TermMatches& term : terms) {
        match += (match.empty() ? "" : " OR ") + quoted(term.term);
    }
    return match;
}

std::optional<std::vector<std::int64_t>> WordIndex::wholeWordRows(
    sqlite::Connection& connection, const std::string& foldedWord) const {
    const auto terms = termsHolding(foldedWord, WordMatching::WholeWords);
    if (!terms) {
        return std::nullopt;
    }
    return terms->empty() ? std::vector<std::int64_t>() : rowsOf(connection, anyOf(*terms));
}

std::optional<std::vector<std::int64_t>> WordIndex::wholeWordCandidates(
    sqlite::Connection& connection, const std::string& foldedWords) const {
    const std::optional<std::vector<std::string_view>> words = plainWords(foldedWords);
    if (!words) {
        return std::nullopt;
    }
    if (!std::all_of(words->begin(), words->end(),
                     [&](std::string_view word) { return hasTerm(word); })) {
        return std::vector<std::int64_t>();
    }
    return rowsOf(connection, quoted(foldedWords));
}

bool WordIndex::hasTerm(std::string_view word) const {
    return std::binary_search(terms_.begin(), terms_.end(), word);
}

template <typename Accept>
std::optional<std::vector<std::string_view>> WordIndex::termsWhere(Accept accept,
                                                                   size_t limit) const {
    std::vector<std::string_view> found;
    for (const std::string& term : terms_) {
        if (accept(std::string_view(term))) {
            if (found.size() == limit) {
                return std::nullopt;
            }
            found.emplace_back(term);
        }
    }
    return found;
}

std::optional<std::vector<std::string_view>> WordIndex::termsStartingWith(std::string_view start,
                                                                          size_t limit) const {
    std::vector<std::string_view> found;
    for (auto term = std::lower_bound(terms_.begin(), terms_.end(), start);
         term != terms_.end() && std::string_view(*term).substr(0, start.size()) == start; ++term) {
        if (found.size() == limit) {
            return std::nullopt;
        }
        found.emplace_back(*term);
    }
    return found;
}

std::optional<std::vector<std::int64_t>> WordIndex::matchingTextRows(
    sqlite::Connection& connection, const std::string& foldedWords) const {
    const std::optional<std::vector<std::string_view>> words = plainWords(foldedWords);
    if (!words || words->size() > kMostWords || words->front().size() < kShortestEdgeWord ||
        words->back().size() < kShortestEdgeWord) {
        return std::nullopt;
    }
    if (words->size() == 1) {
        // A word inside a word of the text: every term holding it, and its
        // rows are exactly the answer.
        const auto holding = termsHolding(foldedWords, WordMatching::Anywhere);
        if (!holding) {
            return std::nullopt;
        }
        return holding->empty() ? std::vector<std::int64_t>() : rowsOf(connection, anyOf(*holding));
    }
    const std::string_view first = words->front();
    const auto endingWithFirst = termsWhere(
        [&](std::string_view term) {
            return term.size() >= first.size() && term.substr(term.size() - first.size()) == first;
        },
        kMostTerms);
    const auto startingWithLast = termsStartingWith(words->back(), kMostTerms);
    if (!endingWithFirst || !startingWithLast) {
        return std::nullopt;
    }
    std::string rest;
    for (size_t i = 1; i < words->size(); ++i) {
        if (i + 1 < words->size() && !hasTerm((*words)[i])) {
            return std::vector<std::int64_t>();  // a middle word no text holds whole
        }
        rest += ' ' + std::string((*words)[i]);
    }
    if (endingWithFirst->empty() || startingWithLast->empty()) {
        return std::vector<std::int64_t>();
    }
    // Consecutive words of a text may stand apart by more than a blank
    // ("conselho, tutelar"): the phrase's rows are read to confirm.
    std::string match;
    for (const std::string_view term : *endingWithFirst) {
        match += (match.empty() ? "\"" : " OR \"") + std::string(term) + rest + "\"*";
    }
    return SearchIndex::rowsHolding(connection, rowsOf(connection, match), foldedWords);
}

}  // namespace corvanel
