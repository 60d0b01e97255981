#pragma once

#include <QString>

namespace corvanel {

// The longest search words, in the UTF-16 units the search box counts: a
// paragraph of a law or a decision, about six lines, is the longest passage
// anyone looks a document up by, and a search within this bound answers at
// once whatever it holds. Longer words are cut here by every front end,
// which tells the user so.
inline constexpr qsizetype kLongestSearchWords = 500;

// The words cut to kLongestSearchWords, never inside a character.
inline QString boundedSearchWords(const QString& words) {
    if (words.size() <= kLongestSearchWords) {
        return words;
    }
    const bool splitsAPair = words.at(kLongestSearchWords - 1).isHighSurrogate();
    return words.left(kLongestSearchWords - (splitsAPair ? 1 : 0));
}

}  // namespace corvanel
