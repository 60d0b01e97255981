#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace corvanel {

// The result levels of one showing of the result list, and the search
// history behind them: every key-word search and every narrowing opens the
// next level and records the request kind and the words it was made with;
// "Voltar" steps back one level.
//
// The history holds 101 entries. Past that many levels in one showing the
// oldest level is let go: searching goes on without limit, and "Voltar"
// reaches back over the latest 101 levels.
class ResultLevels {
public:
    static constexpr int kHistorySize = 101;

    struct Entry {
        QString kind;          // `tipo` when the level was opened
        QString words;         // `Edit3` then
        bool narrows = false;  // searched among the level below it
    };

    // Level -1, with nothing to step back to (every showing).
    void reset();

    int level() const { return level_; }

    // Opens the next level. Returns the level let go to make room, whose
    // marks are no longer needed, if any.
    std::optional<int> open(const QString& kind, const QString& words, bool narrows = false);

    // The words every document of the current level was found by: those of
    // the level's search and of each narrowing since, oldest first.
    QStringList wordsInEffect() const;

    bool canStepBack() const { return level_ > oldest_; }

    // Lowers the level by one and returns its history entry. Only when
    // canStepBack().
    const Entry& stepBack();

private:
    static size_t slot(int level) { return static_cast<size_t>(level % kHistorySize); }

    int level_ = -1;
    int oldest_ = 0;  // the lowest level still recorded
    std::array<Entry, kHistorySize> entries_;
};

}  // namespace corvanel
