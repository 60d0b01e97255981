#include "FoldedRows.h"

#include "Sqlite.h"

namespace corvanel::SearchIndex {

void readFoldedRows(sqlite::Connection& connection, std::span<const std::int64_t> rows,
                    const FoldedRowVisitor& visit) {
    sqlite::Statement read(connection, "select folded from SEARCH_TEXT where row = ?");
    for (const std::int64_t row : rows) {
        read.bind(1, row);
        if (read.step()) {
            visit(row, read.utf8(0));
        }
        read.reset();
    }
}

}  // namespace corvanel::SearchIndex
