#pragma once

#include "SearchResult.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace corvanel {

class Database;

// The order a key-word result is listed in: the listings' title order (the
// default), or relevance: matches in the title first, then in the key words,
// then by the number of matches per thousand words of the row (its title,
// key words, sub-title and text; a word is a run of word characters, as the
// word index reads it), ties in title order.
enum class ResultOrder : std::uint8_t { Title, Relevance };

// How a front end lists a key-word result: its order, and whether each
// document is listed once (with its count of matching rows, at its best row)
// or every matching text row is.
struct ResultArrangement {
    ResultOrder order = ResultOrder::Title;
    bool groupedByDocument = false;
    bool operator==(const ResultArrangement&) const = default;
};

// What relevance weighs of one text row.
struct RowRelevance {
    bool inTitle = false;
    bool inKeyWords = false;
    double matchesPerThousandWords = 0;
};

// The places of rows by relevance, more relevant first, ties in the rows'
// own order.
std::vector<std::uint32_t> relevanceOrder(const std::vector<RowRelevance>& relevance);

// The relevance of a row from its folded searchable text (as
// SearchIndex::readFoldedRows gives it) for words folded for search.
RowRelevance relevanceOf(std::string_view foldedRow, const std::vector<std::string>& foldedWords,
                         WordMatching matching);

// The rows of result (in title order) by relevance for words, every word
// that found them (a search's and its narrowings'), matched as they were.
// Counted by the word index when it answers every word (words of letters and
// digits); the rows' texts are read otherwise.
SearchResult orderedByRelevance(Database& database, const SearchResult& result,
                                const QStringList& words, WordMatching matching);

// Each document of result once, where its first row stands, at that row
// (the best, in the result's order), with its count of rows.
SearchResult groupedByDocument(const SearchResult& result);

// result ordered, then grouped, as arrangement asks; result itself when it
// asks for neither. A listing (no words) keeps its order.
SearchResult arranged(Database& database, const SearchResult& result, const QStringList& words,
                      WordMatching matching, const ResultArrangement& arrangement);

}  // namespace corvanel
