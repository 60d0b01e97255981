#include "ResultArrangement.h"

#include "Database.h"
#include "TextMatching.h"

#include <QHash>

#include <algorithm>
#include <array>

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

// The words of a folded text, as its blanks part them: folding leaves one
// blank between two words, so they are counted at the speed of memory.
size_t wordsOf(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return 0;
    }
    const auto blanks = static_cast<size_t>(std::count(text.begin(), text.end(), ' '));
    return blanks + 1 - (text.front() == ' ' ? 1 : 0) - (text.back() == ' ' ? 1 : 0);
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

RowRelevance relevanceOf(std::string_view foldedRow, const std::vector<std::string>& foldedWords,
                         WordMatching matching) {
    const std::array<std::string_view, 4> fields = fieldsOf(foldedRow);
    RowRelevance relevance;
    relevance.inTitle = holdsAny(fields[0], foldedWords, matching);
    relevance.inKeyWords = holdsAny(fields[1], foldedWords, matching);
    const std::string_view text = fields[3];
    size_t matches = 0;
    for (const std::string& w : foldedWords) {
        matches += word_matching::count(text, w, matching);
    }
    if (matches > 0) {
        relevance.matchesPerThousandWords = 1000.0 * static_cast<double>(matches) /
                                            static_cast<double>(std::max<size_t>(wordsOf(text), 1));
    }
    return relevance;
}

SearchResult orderedByRelevance(Database& database, const SearchResult& result,
                                const QStringList& words, WordMatching matching) {
    const std::vector<std::string> folded = foldedWordsOf(words);
    if (folded.empty() || result.rows.size() < 2) {
        return result;
    }
    std::vector<std::int64_t> textRows;
    textRows.reserve(result.rows.size());
    for (const ResultRow& row : result.rows) {
        textRows.push_back(row.textRow);
    }
    QHash<std::int64_t, RowRelevance> relevance;
    relevance.reserve(static_cast<qsizetype>(textRows.size()));
    database.readFoldedRows(textRows, [&](std::int64_t row, std::string_view text) {
        relevance.insert(row, relevanceOf(text, folded, matching));
    });
    SearchResult ordered = result;
    ordered.documentRowCounts.clear();
    std::stable_sort(
        ordered.rows.begin(), ordered.rows.end(), [&](const ResultRow& a, const ResultRow& b) {
            return moreRelevant(relevance.value(a.textRow), relevance.value(b.textRow));
        });
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
