#include "ShownPassages.h"

#include "Collection.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ResultLines.h"

#include <algorithm>
#include <optional>

namespace corvanel {

void ShownPassages::setWords(QStringList words, WordMatching matching) {
    // Blanks alone say nothing: no passage would show a match.
    const bool saysSomething = std::any_of(words.cbegin(), words.cend(),
                                           [](const QString& w) { return !w.trimmed().isEmpty(); });
    words = saysSomething ? std::move(words) : QStringList();
    if (words != words_ || matching != matching_) {
        words_ = std::move(words);
        matching_ = matching;
        byTextRow_.clear();
    }
}

bool ShownPassages::isDrawnUnder(qsizetype row) const {
    return !words_.isEmpty() && row >= 0 && row + 1 < lines_.size() && !lines_.isSeparator(row) &&
           lines_.isSeparator(row + 1) && lines_.textRowOf(row).has_value();
}

const Passage* ShownPassages::known(qsizetype row) const {
    if (words_.isEmpty() || row < 0 || row >= lines_.size()) {
        return nullptr;
    }
    const std::optional<std::int64_t> textRow = lines_.textRowOf(row);
    if (!textRow) {
        return nullptr;
    }
    const auto found = byTextRow_.constFind(*textRow);
    return found == byTextRow_.cend() ? nullptr : &*found;
}

const Passage& ShownPassages::readOne(std::int64_t textRow) {
    // Kept empty when the text cannot be read, so it fails once, not at
    // every scroll.
    Passage& passage = byTextRow_[textRow];
    passage = passageOf(collection_.database().textRowFields(textRow), words_, matching_);
    return passage;
}

void ShownPassages::read(qsizetype first, qsizetype last) {
    if (words_.isEmpty()) {
        return;
    }
    first = std::max<qsizetype>(first, 0);
    last = std::min(last, lines_.size() - 1);
    std::optional<DatabaseError> firstError;
    for (qsizetype row = first; row <= last; ++row) {
        const std::optional<std::int64_t> textRow = lines_.textRowOf(row);
        if (!textRow || byTextRow_.contains(*textRow)) {
            continue;
        }
        try {
            readOne(*textRow);
        } catch (const DatabaseError& error) {
            if (!firstError) {
                firstError = error;
            }
        }
    }
    if (firstError) {
        throw *firstError;
    }
}

Passage ShownPassages::of(qsizetype row) {
    if (const Passage* passage = known(row)) {
        return *passage;
    }
    if (words_.isEmpty() || row < 0 || row >= lines_.size()) {
        return {};
    }
    const std::optional<std::int64_t> textRow = lines_.textRowOf(row);
    return textRow ? readOne(*textRow) : Passage();
}

}  // namespace corvanel
