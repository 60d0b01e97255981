#pragma once

#include "Passage.h"
#include "SearchResult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace corvanel::web {

// A row's words in context as a list shows them: Passage::shown() and its
// marks in that text, or a note of the field that holds the words.
struct ShownPassage {
    QString text;
    QList<Passage::Mark> marks;
    bool note = false;  // "nas palavras-chave": the words are not in the text

    static ShownPassage of(const Passage& passage);
    bool operator==(const ShownPassage&) const = default;
};

// One row of a result as a page or the API shows it.
struct ShownRow {
    int number = 0;
    QString labelLine;  // the section's label line in a labelled result
    QString title;
    QString detail;  // the sub-title, or a decision's first characters
    QString code;
    QString sectionName;
    bool decision = false;     // listed by its text's start instead of title and sub-title
    std::int64_t textRow = 0;  // the text row the document opens at
    int documentRows = 0;      // in a result grouped by document, its matching rows
    ShownPassage passage;      // empty unless the result was asked by words

    bool operator==(const ShownRow&) const = default;
};

// The rows numbered [first + 1, first + count] of a result as the desktop's
// list shows them: a row of no known section keeps its number but is not
// shown.
std::vector<ShownRow> shownRows(Database& database, const SearchResult& result, int first,
                                int count);

// Each row's passage around the words (a grouped row's best): a row whose
// text cannot be read shows none rather than failing its page.
void addPassages(Database& database, std::vector<ShownRow>& rows, const QStringList& words,
                 WordMatching matching);

}  // namespace corvanel::web
