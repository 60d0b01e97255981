#include "KeywordMatcher.h"

#include "TextMatching.h"

#include <algorithm>
#include <iterator>

namespace corvanel {

std::vector<std::int64_t> KeywordMatcher::matchingTextRows(const QString& words,
                                                           WordMatching matching,
                                                           const std::vector<std::int64_t>* among) {
    const std::string folded = searchFolded(words.toUtf8().toStdString());
    // Words that neither begin nor end with a word character (blanks alone
    // among them) are whole wherever they are.
    if (matching == WordMatching::Anywhere || word_matching::blankBounded(folded) == folded) {
        return matchingTextRows(words);
    }
    if (std::optional<std::vector<std::int64_t>> indexed = indexedWholeWordRows(folded)) {
        return std::move(*indexed);
    }
    std::vector<std::int64_t> candidates = matchingTextRows(words);
    if (among != nullptr) {
        std::vector<std::int64_t> wanted;
        std::set_intersection(candidates.begin(), candidates.end(), among->begin(), among->end(),
                              std::back_inserter(wanted));
        candidates.swap(wanted);
    }
    return wholeWordRows(candidates, folded);
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
