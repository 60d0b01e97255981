#pragma once

#include "FoldedRows.h"
#include "KeywordMatcher.h"
#include "SearchIndex.h"
#include "TextMatching.h"
#include "WordIndex.h"
#include "WordMatching.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace corvanel {

// The key-word engine of a collection that holds its search index: asks
// the index on the store's own connection, which must outlive it.
class IndexedMatcher final : public KeywordMatcher {
public:
    using KeywordMatcher::matchingTextRows;

    IndexedMatcher(sqlite::Connection& connection, std::int64_t lastTextRow)
        : connection_(connection), lastTextRow_(lastTextRow) {}

    std::vector<std::int64_t> matchingTextRows(const QString& words) override {
        const QByteArray utf8 = words.toUtf8();
        return indexedRows(
            searchFolded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
    }

    void readFoldedRows(std::span<const std::int64_t> rows,
                        const SearchIndex::FoldedRowVisitor& visit) override {
        SearchIndex::readFoldedRows(connection_, rows, visit);
    }

    std::optional<RelevanceCounts> relevanceCounts(const std::vector<std::string>& foldedWords,
                                                   WordMatching matching) override {
        const WordIndex* words = wordIndex();
        if (words == nullptr) {
            return std::nullopt;
        }
        if (!relevance_) {
            relevance_.emplace(connection_, lastTextRow_);
        }
        return relevance_->counts(*words, foldedWords, matching);
    }

protected:
    std::optional<std::vector<std::int64_t>> indexedWholeWordRows(
        const std::string& foldedWords) override {
        const WordIndex* words = wordIndex();
        return words != nullptr ? words->wholeWordRows(connection_, foldedWords) : std::nullopt;
    }

    // A common word stands between blanks in nearly every row that holds it:
    // the index names those rows, and only the others are read.
    std::vector<std::int64_t> wholeWordRows(const std::vector<std::int64_t>& candidates,
                                            const std::string& foldedWords) override {
        const std::vector<std::int64_t> sure =
            indexedRows(word_matching::blankBounded(foldedWords));
        std::vector<std::int64_t> unsure;
        std::set_difference(candidates.begin(), candidates.end(), sure.begin(), sure.end(),
                            std::back_inserter(unsure));
        const std::vector<std::int64_t> confirmed =
            KeywordMatcher::wholeWordRows(unsure, foldedWords);
        std::vector<std::int64_t> whole;
        whole.reserve(candidates.size() - unsure.size() + confirmed.size());
        std::merge(sure.begin(), sure.end(), confirmed.begin(), confirmed.end(),
                   std::back_inserter(whole));
        return whole;
    }

private:
    // None in a collection indexed before the word index was written.
    const WordIndex* wordIndex() {
        if (!words_) {
            words_.emplace(WordIndex::isPresent(connection_)
                               ? std::optional<WordIndex>(std::in_place, connection_)
                               : std::nullopt);
        }
        return *words_ ? &**words_ : nullptr;
    }

    std::vector<std::int64_t> indexedRows(const std::string& foldedWords) {
        return SearchIndex::matchingTextRows(connection_, foldedWords, lastTextRow_, wordIndex());
    }

    sqlite::Connection& connection_;
    std::int64_t lastTextRow_;
    // The word index's vocabulary, read at the first search; none in a
    // collection indexed before it was written.
    std::optional<std::optional<WordIndex>> words_;
    // Defines its function on the connection at the first order by relevance.
    std::optional<RelevanceCounter> relevance_;
};

}  // namespace corvanel
