#include "KeywordMatcher.h"

#include "TextMatching.h"

namespace corvanel {

std::vector<std::int64_t> KeywordMatcher::matchingTextRows(const QString& words,
                                                           WordMatching matching) {
    const std::string folded = searchFolded(words.toUtf8().toStdString());
    // Words that neither begin nor end with a word character (blanks alone
    // among them) are whole wherever they are.
    if (matching == WordMatching::Anywhere || word_matching::blankBounded(folded) == folded) {
        return matchingTextRows(words);
    }
    if (std::optional<std::vector<std::int64_t>> indexed = indexedWholeWordRows(folded)) {
        return std::move(*indexed);
    }
    return wholeWordRows(matchingTextRows(words), folded);
}

std::vector<std::int64_t> KeywordMatcher::wholeWordRows(const std::vector<std::int64_t>& candidates,
                                                        const std::string& foldedWords) {
    std::vector<std::int64_t> whole;
    readFoldedRows(candidates, [&](std::int64_t row, std::string_view text) {
        if (word_matching::contains(text, foldedWords, WordMatching::WholeWords)) {
            whole.push_back(row);
        }
    });
    return whole;
}

}  // namespace corvanel
