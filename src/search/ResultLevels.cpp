#include "ResultLevels.h"

#include <cassert>

namespace corvanel {

void ResultLevels::reset() {
    level_ = -1;
    oldest_ = 0;
}

std::optional<int> ResultLevels::open(const QString& kind, const QString& words, bool narrows) {
    ++level_;
    std::optional<int> letGo;
    if (level_ - oldest_ >= kHistorySize) {
        letGo = oldest_++;
    }
    entries_[slot(level_)] = Entry{kind, words, narrows};
    return letGo;
}

QStringList ResultLevels::wordsInEffect() const {
    QStringList words;
    for (int level = level_; level >= oldest_; --level) {
        const Entry& entry = entries_[slot(level)];
        words.prepend(entry.words);
        if (!entry.narrows) {
            break;
        }
    }
    return words;
}

const ResultLevels::Entry& ResultLevels::stepBack() {
    assert(canStepBack());
    --level_;
    return entries_[slot(level_)];
}

}  // namespace corvanel
