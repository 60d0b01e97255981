#pragma once

#include "KeywordMatcher.h"
#include "SearchIndex.h"
#include "TextMatching.h"
#include "WordIndex.h"

#include <optional>

namespace corvanel {

// The key-word engine of a collection that holds its search index: asks
// the index on the store's own connection, which must outlive it.
class IndexedMatcher final : public KeywordMatcher {
public:
    IndexedMatcher(sqlite::Connection& connection, std::int64_t lastTextRow)
        : connection_(connection), lastTextRow_(lastTextRow) {}

    std::vector<std::int64_t> matchingTextRows(const QString& words) override {
        const QByteArray utf8 = words.toUtf8();
        if (!words_) {
            words_.emplace(WordIndex::isPresent(connection_)
                               ? std::optional<WordIndex>(std::in_place, connection_)
                               : std::nullopt);
        }
        return SearchIndex::matchingTextRows(
            connection_,
            searchFolded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))),
            lastTextRow_, *words_ ? &**words_ : nullptr);
    }

private:
    sqlite::Connection& connection_;
    std::int64_t lastTextRow_;
    // The word index's vocabulary, read at the first search; none in a
    // collection indexed before it was written.
    std::optional<std::optional<WordIndex>> words_;
};

}  // namespace corvanel
