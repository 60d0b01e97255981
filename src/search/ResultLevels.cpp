#include "ResultLevels.h"

#include <cassert>

namespace corvanel {

void ResultLevels::reset(SearchResult shown) {
    shown_ = std::move(shown);
    level_ = -1;
    oldest_ = 0;
    entries_.fill({});
}

void ResultLevels::open(const QString& kind, const QString& words, bool narrows, bool wholeWords) {
    ++level_;
    if (level_ - oldest_ >= kHistorySize) {
        ++oldest_;
    }
    entries_[slot(level_)] = Entry{kind, words, narrows, wholeWords, {}};
}

void ResultLevels::setResult(SearchResult result) {
    if (level_ < 0) {
        shown_ = std::move(result);
    } else {
        entries_[slot(level_)].result = std::move(result);
    }
}

const SearchResult& ResultLevels::current() const {
    return level_ < 0 ? shown_ : entries_[slot(level_)].result;
}

const SearchResult* ResultLevels::at(int level) const {
    if (level == -1) {
        return &shown_;
    }
    if (level < oldest_ || level > level_) {
        return nullptr;
    }
    return &entries_[slot(level)].result;
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

WordMatching ResultLevels::matchingInEffect() const {
    return level_ >= 0 && entries_[slot(level_)].wholeWords ? WordMatching::WholeWords
                                                            : WordMatching::Anywhere;
}

const ResultLevels::Entry& ResultLevels::stepBack() {
    assert(canStepBack());
    // The level left is never shown again: its rows go.
    entries_[slot(level_)].result = {};
    --level_;
    return entries_[slot(level_)];
}

}  // namespace corvanel
