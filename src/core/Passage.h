#pragma once

#include "Database.h"
#include "WordMatching.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvanel {

// A listed row's own fields, as its words were searched in them.
using TextRowFields = Database::TextRowFields;

// Where the words in context come from: the place of the first match in a
// text row, the words shown around it with each match marked. Found with the
// search's own folding (case, accents, º/ª, every run of blanks as one), so
// a passage shows exactly what made the row match.
struct Passage {
    enum class Place { Text, Title, KeyWords, Subtitle, Nowhere };
    struct Mark {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Mark&) const = default;
    };

    Place place = Place::Nowhere;
    // Up to about the asked length of the text, cut between words; empty
    // unless the words are in the text.
    QString text;
    bool cutBefore = false;
    bool cutAfter = false;
    QList<Mark> marks;  // in text, in order, never overlapping

    // What a list shows: the text with "…" where it was cut, or a short note
    // of the field that holds the words ("nas palavras-chave").
    QString shown() const;
};

// The passage of a row around the first place any of the words (each a
// phrase, as searched) matches its text; failing that, the field that holds
// them. Words are matched anywhere, or as whole words when asked.
Passage passageOf(const TextRowFields& row, const QStringList& words, qsizetype length = 200);
Passage passageOf(const TextRowFields& row, const QStringList& words, WordMatching matching,
                  qsizetype length = 200);

}  // namespace corvanel
