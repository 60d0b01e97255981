#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace corvanel {

namespace sqlite {
class Connection;
}

namespace SearchIndex {

// A text row's searchable text as the index holds it (appendRowText): title,
// key words, sub-title and text, folded and joined by line breaks. The view
// lives until the visitor returns.
using FoldedRowVisitor = std::function<void(std::int64_t row, std::string_view folded)>;

// Reads the folded text of each of rows (in their order) that the index
// holds, and gives it to visit; a row it does not hold is left out.
void readFoldedRows(sqlite::Connection& connection, std::span<const std::int64_t> rows,
                    const FoldedRowVisitor& visit);

}  // namespace SearchIndex

}  // namespace corvanel
