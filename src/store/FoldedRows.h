#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

namespace SearchIndex {

using FoldedRowVisitor = std::function<void(std::int64_t row, std::string_view folded)>;

// The searchable text of each of the text rows (TEXTOS rowids, ascending;
// rows without a card are skipped), as the index was written from
// (appendRowText): folded from the cards and texts as it is read, or read
// from SEARCH_TEXT in a collection indexed when that copy was kept. The
// text passed to the visitor lasts until it returns. Throws DatabaseError.
void readFoldedRows(sqlite::Connection& connection, std::span<const std::int64_t> rows,
                    const FoldedRowVisitor& visitor);

// The same for every text row with a card, ascending.
void readAllFoldedRows(sqlite::Connection& connection, const FoldedRowVisitor& visitor);

// The rows among candidates (ascending) whose searchable text holds the
// folded words. Each text is folded piece by piece and left at its first
// hit, so a long text that holds the words early is not folded whole.
std::vector<std::int64_t> rowsHolding(sqlite::Connection& connection,
                                      const std::vector<std::int64_t>& candidates,
                                      const std::string& foldedWords);

}  // namespace SearchIndex

}  // namespace corvanel
