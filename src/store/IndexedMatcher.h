#pragma once

#include "FoldedRows.h"
#include "KeywordMatcher.h"
#include "SearchIndex.h"
#include "TextMatching.h"

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
        return SearchIndex::matchingTextRows(
            connection_,
            searchFolded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))),
            lastTextRow_);
    }

    void readFoldedRows(std::span<const std::int64_t> rows,
                        const SearchIndex::FoldedRowVisitor& visit) override {
        SearchIndex::readFoldedRows(connection_, rows, visit);
    }

private:
    sqlite::Connection& connection_;
    std::int64_t lastTextRow_;
};

}  // namespace corvanel
