#include "ResultLines.h"

#include "DatabaseError.h"

#include <algorithm>
#include <optional>

namespace corvanel {

namespace {
// Decisions read together: about two screens of the list, one statement.
constexpr std::size_t kDecisionsPerRead = 32;
// When every line is wanted at once.
constexpr std::size_t kDecisionsPerBulkRead = 512;
}  // namespace

void ResultLines::clear() {
    entries_.clear();
    keys_.clear();
    decisions_.clear();
    blockRows_.clear();
    openBlock_ = -1;
}

void ResultLines::add(const QString& line, const QString& key, Kind kind) {
    entries_.push_back({line, -1, 0, kind, openBlock_});
    keys_ << key;
}

void ResultLines::addSeparator() {
    add(kSeparator.toString(), kSeparator.toString());
    openBlock_ = -1;
}

void ResultLines::beginBlock(std::int64_t textRow) {
    openBlock_ = static_cast<std::int32_t>(blockRows_.size());
    blockRows_.push_back(textRow);
}

std::optional<std::int64_t> ResultLines::textRowOf(qsizetype row) const {
    const std::int32_t block = entries_[static_cast<std::size_t>(row)].block;
    if (block < 0) {
        return std::nullopt;
    }
    return blockRows_[static_cast<std::size_t>(block)];
}

void ResultLines::addDecisionLines(std::int64_t textRow, const QString& prefix, int count,
                                   const QString& key) {
    const auto decision = static_cast<std::int32_t>(decisions_.size());
    decisions_.push_back({textRow, count, {}});
    for (int part = 0; part < count; ++part) {
        entries_.push_back(
            {part == 0 ? prefix : QString(), decision, part, Kind::Text, openBlock_});
        keys_ << key;
    }
}

bool ResultLines::isSeparator(qsizetype row) const {
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    return entry.decision < 0 && entry.text == kSeparator;
}

std::optional<QString> ResultLines::pendingPrefix(qsizetype row) const {
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    if (entry.decision < 0 ||
        !decisions_[static_cast<std::size_t>(entry.decision)].lines.isEmpty()) {
        return std::nullopt;
    }
    return entry.part == 0 ? entry.text : QString();
}

QString ResultLines::line(qsizetype row) const {
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    if (entry.decision < 0) {
        return entry.text;
    }
    const auto index = static_cast<std::size_t>(entry.decision);
    if (decisions_[index].lines.isEmpty()) {
        read(index - index % kDecisionsPerRead, kDecisionsPerRead);
    }
    // Stopped short by an unreadable text before it.
    if (decisions_[index].lines.isEmpty()) {
        read(index, kDecisionsPerRead);
    }
    if (decisions_[index].lines.isEmpty()) {
        return entry.part == 0 ? entry.text : QString();
    }
    const QString& text = decisions_[index].lines[entry.part];
    return entry.part == 0 ? entry.text + text : text;
}

QString ResultLines::knownLine(qsizetype row) const {
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    if (entry.decision < 0) {
        return entry.text;
    }
    const Decision& decision = decisions_[static_cast<std::size_t>(entry.decision)];
    if (decision.unreadable) {
        return {};
    }
    if (decision.lines.isEmpty()) {
        return entry.part == 0 ? entry.text : QString();
    }
    const QString& text = decision.lines[entry.part];
    return entry.part == 0 ? entry.text + text : text;
}

void ResultLines::readLines(qsizetype first, qsizetype last) {
    first = std::max<qsizetype>(first, 0);
    last = std::min(last, size() - 1);
    std::int32_t firstDecision = -1;
    std::int32_t lastDecision = -1;
    for (qsizetype row = first; row <= last; ++row) {
        const std::int32_t decision = entries_[static_cast<std::size_t>(row)].decision;
        if (decision >= 0) {
            lastDecision = decision;
            if (firstDecision < 0) {
                firstDecision = decision;
            }
        }
    }
    if (firstDecision < 0) {
        return;
    }
    const auto begin = static_cast<std::size_t>(firstDecision);
    const std::size_t count = static_cast<std::size_t>(lastDecision) - begin + 1;
    std::optional<DatabaseError> firstError;
    for (std::size_t at = begin; at < begin + count; at += kDecisionsPerRead) {
        const std::size_t end = std::min(at + kDecisionsPerRead, begin + count);
        try {
            read(at, end - at);
        } catch (const DatabaseError&) {
            // The batch's first text cannot be read: each is read alone below.
        }
        // Stopped short by an unreadable text: each alone, and every
        // unreadable one shown blank from now on.
        for (std::size_t one = at; one < end; ++one) {
            Decision& decision = decisions_[one];
            if (!decision.lines.isEmpty() || decision.unreadable) {
                continue;
            }
            try {
                read(one, 1);
            } catch (const DatabaseError& error) {
                decision.unreadable = true;
                if (!firstError) {
                    firstError = error;
                }
            }
        }
    }
    if (firstError) {
        throw *firstError;
    }
}

QStringList ResultLines::lines() const {
    for (std::size_t first = 0; first < decisions_.size(); first += kDecisionsPerBulkRead) {
        read(first, kDecisionsPerBulkRead);
    }
    QStringList all;
    all.reserve(size());
    for (qsizetype row = 0; row < size(); ++row) {
        all << line(row);
    }
    return all;
}

// Reads the decisions from first on that are not read yet, all with the
// same number of lines.
void ResultLines::read(std::size_t first, std::size_t count) const {
    const std::size_t end = std::min(decisions_.size(), first + count);
    std::vector<std::int64_t> rows;
    std::vector<std::size_t> unread;
    for (std::size_t i = first; i < end; ++i) {
        if (decisions_[i].lines.isEmpty()) {
            rows.push_back(decisions_[i].textRow);
            unread.push_back(i);
        }
    }
    if (rows.empty()) {
        return;
    }
    int lineCount = 0;
    for (const std::size_t i : unread) {
        lineCount = std::max(lineCount, decisions_[i].lineCount);
    }
    std::vector<QStringList> read = source_.linesOf(rows, lineCount);
    for (std::size_t k = 0; k < unread.size() && k < read.size(); ++k) {
        Decision& decision = decisions_[unread[k]];
        decision.lines = read[k].mid(0, decision.lineCount);
        while (decision.lines.size() < decision.lineCount) {
            decision.lines << QString();
        }
    }
}

}  // namespace corvanel
