#pragma once

#include "Passage.h"

#include <QHash>
#include <QStringList>

#include <cstdint>

namespace corvanel {

class Collection;
class ResultLines;

// The words in context of the rows a key-word result shows, worked out only
// for the lines coming into view and kept while the words stay the same: a
// result of thousands of rows reads no text before its first screen.
//
// A row's passage is drawn under the last line of its block, the one before
// its separator; it belongs to every line of the block.
class ShownPassages {
public:
    ShownPassages(Collection& collection, const ResultLines& lines)
        : collection_(collection), lines_(lines) {}

    // The words of the result shown, and how they were matched; none for a
    // listing. Forgets every passage worked out for other words.
    void setWords(QStringList words, WordMatching matching);
    const QStringList& words() const { return words_; }
    WordMatching matching() const { return matching_; }

    // Works out the passages of the blocks of lines first to last not known
    // yet: DatabaseError for the first text that cannot be read, whose
    // passage stays empty.
    void read(qsizetype first, qsizetype last);

    // Whether the line is where its row's passage is drawn.
    bool isDrawnUnder(qsizetype row) const;
    // The passage of the line's row once worked out; nothing before, for a
    // line of no row, or without words.
    const Passage* known(qsizetype row) const;
    // The passage of the line's row, worked out now if need be.
    Passage of(qsizetype row);

private:
    const Passage& readOne(std::int64_t textRow);

    Collection& collection_;
    const ResultLines& lines_;
    QStringList words_;
    WordMatching matching_ = WordMatching::Anywhere;
    QHash<std::int64_t, Passage> byTextRow_;
};

}  // namespace corvanel
