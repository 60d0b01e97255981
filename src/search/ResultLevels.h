#pragma once

#include "SearchResult.h"

#include <QString>
#include <QStringList>

#include <array>

namespace corvanel {

// The results of one showing of the result list, as values: the request
// shown (level -1), then one level for every key-word search and every
// narrowing, each with the request kind and the words it was made with and
// the rows it listed. A narrowing looks among the current level's rows;
// "Voltar" steps back one level and shows its rows again.
//
// The history holds 101 levels. Past that many levels in one showing the
// oldest is let go: searching goes on without limit, and "Voltar" reaches
// back over the latest 101 levels.
class ResultLevels {
public:
    static constexpr int kHistorySize = 101;

    struct Entry {
        QString kind;             // `tipo` when the level was opened
        QString words;            // `Edit3` then
        bool narrows = false;     // searched among the level below it
        bool wholeWords = false;  // its words matched as whole words
        SearchResult result;
    };

    // Level -1, with the result of the request shown and nothing to step
    // back to (every showing).
    void reset(SearchResult shown = {});

    int level() const { return level_; }

    // Opens the next level, with no rows until setResult.
    void open(const QString& kind, const QString& words, bool narrows = false,
              bool wholeWords = false);
    void setResult(SearchResult result);
    // The rows of the current level.
    const SearchResult& current() const;
    // The rows of a level still held; none past the current level or before
    // the oldest kept.
    const SearchResult* at(int level) const;

    // The words every document of the current level was found by: those of
    // the level's search and of each narrowing since, oldest first.
    QStringList wordsInEffect() const;
    // How the current level matched its words; anywhere before any level.
    WordMatching matchingInEffect() const;

    bool canStepBack() const { return level_ > oldest_; }

    // Lowers the level by one and returns its history entry, rows and all.
    // Only when canStepBack().
    const Entry& stepBack();

private:
    static size_t slot(int level) { return static_cast<size_t>(level % kHistorySize); }

    SearchResult shown_;
    int level_ = -1;
    int oldest_ = 0;  // the lowest level still recorded
    std::array<Entry, kHistorySize> entries_;
};

}  // namespace corvanel
