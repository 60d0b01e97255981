#include "ResultArrangement.h"

#include "Database.h"
#include "TextMatching.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <optional>
#include <utility>

namespace corvanel {

namespace {

std::vector<std::string> foldedWordsOf(const QStringList& words) {
    std::vector<std::string> folded;
    for (const QString& w : words) {
        std::string one = searchFolded(w.toUtf8().toStdString());
        if (one.find_first_not_of(' ') != std::string::npos) {
            folded.push_back(std::move(one));
        }
    }
    return folded;
}

// The title, key words, sub-title and text of a folded row, split at the
// line breaks that join them (folding leaves no other).
std::array<std::string_view, 4> fieldsOf(std::string_view row) {
    std::array<std::string_view, 4> fields;
    for (size_t field = 0; field < 3; ++field) {
        const size_t end = row.find('\n');
        if (end == std::string_view::npos) {
            fields[field] = row;
            return fields;
        }
        fields[field] = row.substr(0, end);
        row.remove_prefix(end + 1);
    }
    fields[3] = row;
    return fields;
}

bool holdsAny(std::string_view field, const std::vector<std::string>& words,
              WordMatching matching) {
    return std::any_of(words.begin(), words.end(), [&](const std::string& w) {
        return word_matching::contains(field, w, matching);
    });
}

double perThousandWords(size_t matches, size_t words) {
    return matches == 0 ? 0
                        : 1000.0 * static_cast<double>(matches) /
                              static_cast<double>(std::max<size_t>(words, 1));
}

// More relevant first.
bool moreRelevant(const RowRelevance& a, const RowRelevance& b) {
    if (a.inTitle != b.inTitle) {
        return a.inTitle;
    }
    if (a.inKeyWords != b.inKeyWords) {
        return a.inKeyWords;
    }
    return a.matchesPerThousandWords > b.matchesPerThousandWords;
}

}  // namespace

// The places of rows (in title order) by relevance, ties in title order. A
// large result is put in order by a stable radix sort on the matches per
// thousand words, most first, then the title's and the key words' rows
// moved ahead: a few passes, without a comparison per pair.
std::vector<std::uint32_t> relevanceOrder(const std::vector<RowRelevance>& relevance) {
    const size_t rows = relevance.size();
    std::vector<std::uint32_t> order(rows);
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    constexpr size_t kFewRows = 4096;  // sorted faster than the passes' tables are cleared
    if (rows < kFewRows) {
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return moreRelevant(relevance[a], relevance[b]);
        });
        return order;
    }
    // A non-negative double's bits grow with it: their complement falls.
    std::vector<std::uint64_t> keys(rows);
    for (size_t row = 0; row < rows; ++row) {
        keys[row] = ~std::bit_cast<std::uint64_t>(relevance[row].matchesPerThousandWords);
    }
    constexpr int kDigitBits = 16;
    constexpr std::uint64_t kDigitMask = (std::uint64_t{1} << kDigitBits) - 1;
    std::vector<std::uint32_t> sorted(rows);
    std::vector<size_t> starts(kDigitMask + 1);
    for (int shift = 0; shift < 64; shift += kDigitBits) {
        std::fill(starts.begin(), starts.end(), 0);
        for (const std::uint32_t row : order) {
            ++starts[(keys[row] >> shift) & kDigitMask];
        }
        if (std::find(starts.begin(), starts.end(), rows) != starts.end()) {
            continue;  // one digit for all: nothing to move
        }
        size_t start = 0;
        for (size_t& bucket : starts) {
            start += std::exchange(bucket, start);
        }
        for (const std::uint32_t row : order) {
            sorted[starts[(keys[row] >> shift) & kDigitMask]++] = row;
        }
        order.swap(sorted);
    }
    // Stable passes, the weightiest last: the key words' rows ahead, then
    // the title's, so that a row with both comes before one with the title
    // alone.
    std::stable_partition(order.begin(), order.end(),
                          [&](std::uint32_t row) { return relevance[row].inKeyWords; });
    std::stable_partition(order.begin(), order.end(),
                          [&](std::uint32_t row) { return relevance[row].inTitle; });
    return order;
}

RowRelevance relevanceOf(std::string_view foldedRow, const std::vector<std::string>& foldedWords,
                         WordMatching matching) {
    const std::array<std::string_view, 4> fields = fieldsOf(foldedRow);
    RowRelevance relevance;
    relevance.inTitle = holdsAny(fields[0], foldedWords, matching);
    relevance.inKeyWords = holdsAny(fields[1], foldedWords, matching);
    size_t matches = 0;
    for (const std::string& w : foldedWords) {
        matches += word_matching::count(foldedRow, w, matching);
    }
    relevance.matchesPerThousandWords =
        perThousandWords(matches, word_matching::wordCount(foldedRow));
    return relevance;
}

SearchResult orderedByRelevance(Database& database, const SearchResult& result,
                                const QStringList& words, WordMatching matching) {
    const std::vector<std::string> folded = foldedWordsOf(words);
    if (folded.empty() || result.rows.size() < 2) {
        return result;
    }
    std::vector<RowRelevance> relevance;  // in the result's order
    relevance.reserve(result.rows.size());
    if (const std::optional<RelevanceCounts> counts = database.relevanceCounts(folded, matching)) {
        for (const ResultRow& row : result.rows) {
            const auto at = static_cast<size_t>(row.textRow);
            const bool counted = row.textRow >= 0 && at < counts->matches.size();
            relevance.push_back(
                counted ? RowRelevance{counts->inTitle[at], counts->inKeyWords[at],
                                       perThousandWords(counts->matches[at], counts->words[at])}
                        : RowRelevance{});
        }
    } else {
        std::vector<std::int64_t> textRows;
        textRows.reserve(result.rows.size());
        for (const ResultRow& row : result.rows) {
            textRows.push_back(row.textRow);
        }
        QHash<std::int64_t, RowRelevance> read;
        read.reserve(static_cast<qsizetype>(textRows.size()));
        database.readFoldedRows(textRows, [&](std::int64_t row, std::string_view text) {
            read.insert(row, relevanceOf(text, folded, matching));
        });
        for (const ResultRow& row : result.rows) {
            relevance.push_back(read.value(row.textRow));
        }
    }
    const std::vector<std::uint32_t> order = relevanceOrder(relevance);
    SearchResult ordered = result;
    ordered.documentRowCounts.clear();
    for (size_t place = 0; place < order.size(); ++place) {
        ordered.rows[place] = result.rows[order[place]];
    }
    return ordered;
}

SearchResult groupedByDocument(const SearchResult& result) {
    SearchResult grouped;
    grouped.authors = result.authors;
    grouped.labelled = result.labelled;
    QHash<std::int64_t, size_t> placeOf;
    for (const ResultRow& row : result.rows) {
        const auto found = placeOf.constFind(row.code);
        if (found != placeOf.constEnd()) {
            ++grouped.documentRowCounts[*found];
            continue;
        }
        placeOf.insert(row.code, grouped.rows.size());
        grouped.rows.push_back(row);
        grouped.documentRowCounts.push_back(1);
    }
    return grouped;
}

SearchResult arranged(Database& database, const SearchResult& result, const QStringList& words,
                      WordMatching matching, const ResultArrangement& arrangement) {
    SearchResult shown = arrangement.order == ResultOrder::Relevance
                             ? orderedByRelevance(database, result, words, matching)
                             : result;
    return arrangement.groupedByDocument ? groupedByDocument(shown) : shown;
}

}  // namespace corvanel
