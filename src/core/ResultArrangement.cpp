#include "ResultArrangement.h"

#include "Database.h"
#include "TextMatching.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

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

// A row of a result where relevance places it: by its fields, then its
// matches per word, then its place in title order.
struct Ranked {
    std::uint8_t fields = 0;  // 2: in the title, 1: in the key words alone
    double matchesPerThousandWords = 0;
    std::uint32_t place = 0;

    Ranked(const RowRelevance& relevance, size_t inTitleOrder)
        : fields(relevance.inTitle ? 2 : (relevance.inKeyWords ? 1 : 0)),
          matchesPerThousandWords(relevance.matchesPerThousandWords),
          place(static_cast<std::uint32_t>(inTitleOrder)) {}

    // More relevant first.
    bool operator<(const Ranked& other) const {
        if (fields != other.fields) {
            return fields > other.fields;
        }
        if (matchesPerThousandWords != other.matchesPerThousandWords) {
            return matchesPerThousandWords > other.matchesPerThousandWords;
        }
        return place < other.place;
    }
};

}  // namespace

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
    std::vector<Ranked> ranked;  // in the result's order, then by relevance
    ranked.reserve(result.rows.size());
    if (const std::optional<RelevanceCounts> counts = database.relevanceCounts(folded, matching)) {
        for (const ResultRow& row : result.rows) {
            const auto at = static_cast<size_t>(row.textRow);
            const bool counted = row.textRow >= 0 && at < counts->matches.size();
            ranked.emplace_back(
                counted ? RowRelevance{counts->inTitle[at], counts->inKeyWords[at],
                                       perThousandWords(counts->matches[at], counts->words[at])}
                        : RowRelevance{},
                ranked.size());
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
            ranked.emplace_back(read.value(row.textRow), ranked.size());
        }
    }
    std::sort(ranked.begin(), ranked.end());
    SearchResult ordered = result;
    ordered.documentRowCounts.clear();
    for (size_t place = 0; place < ranked.size(); ++place) {
        ordered.rows[place] = result.rows[ranked[place].place];
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
