#include "KeywordMatcher.h"

#include "TextMatching.h"

namespace corvanel {

std::vector<std::int64_t> KeywordMatcher::matchingTextRows(const QString& words,
                                                           WordMatching matching) {
    std::vector<std::int64_t> rows = matchingTextRows(words);
    const std::string folded = searchFolded(words.toUtf8().toStdString());
    // Words of blanks alone list every row, whole or not.
    if (matching == WordMatching::Anywhere || folded.find_first_not_of(' ') == std::string::npos) {
        return rows;
    }
    std::vector<std::int64_t> whole;
    readFoldedRows(rows, [&](std::int64_t row, std::string_view text) {
        if (word_matching::contains(text, folded, matching)) {
            whole.push_back(row);
        }
    });
    return whole;
}

}  // namespace corvanel
