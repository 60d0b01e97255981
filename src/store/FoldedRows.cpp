#include "FoldedRows.h"

#include "SearchIndex.h"
#include "Sqlite.h"

#include <string>

namespace corvanel::SearchIndex {

namespace {

constexpr std::string_view kFields =
    "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo "
    "from TEXTOS T, LABELS L where L.cod = T.cod_texto";

// One row of kFields, or of SEARCH_TEXT, to its folded text.
class RowFolder {
public:
    explicit RowFolder(sqlite::Connection& connection)
        : earlierCopy_(hasFoldedTextTable(connection)) {}

    // The statement for the rows: `where` narrows it, rows come ascending.
    std::string query(std::string_view where) const {
        std::string sql(earlierCopy_ ? "select row, folded from SEARCH_TEXT S"
                                     : std::string(kFields));
        if (!where.empty()) {
            sql += earlierCopy_ ? " where " : " and ";
            sql += where;
        }
        return sql + (earlierCopy_ ? " order by S.row" : " order by T.rowid");
    }

    std::string_view rowIdColumn() const { return earlierCopy_ ? "S.row" : "T.rowid"; }

    void visit(const sqlite::Statement& row, const FoldedRowVisitor& visitor) {
        if (earlierCopy_) {
            visitor(row.int64(0), row.utf8(1));
            return;
        }
        folded_.clear();
        appendRowText(row.utf8(1), row.utf8(2), row.utf8(3), row.utf8(4), folded_);
        visitor(row.int64(0), folded_);
    }

private:
    bool earlierCopy_;
    std::string folded_;
};

}  // namespace

void readFoldedRows(sqlite::Connection& connection, const std::vector<std::int64_t>& rows,
                    const FoldedRowVisitor& visitor) {
    RowFolder folder(connection);
    sqlite::Statement row(connection, folder.query(std::string(folder.rowIdColumn()) + " = ?"));
    for (const std::int64_t wanted : rows) {
        row.reset();
        row.bind(1, wanted);
        if (row.step()) {
            folder.visit(row, visitor);
        }
    }
}

void readAllFoldedRows(sqlite::Connection& connection, const FoldedRowVisitor& visitor) {
    RowFolder folder(connection);
    sqlite::Statement rows(connection, folder.query({}));
    while (rows.step()) {
        folder.visit(rows, visitor);
    }
}

}  // namespace corvanel::SearchIndex
