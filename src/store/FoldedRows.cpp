#include "FoldedRows.h"

#include "SearchIndex.h"
#include "Sqlite.h"
#include "TextMatching.h"

#include <algorithm>

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

// Whether a field, folded for search, holds the words: the field is folded
// a piece at a time and the search starts where the last one could not see.
bool fieldHolds(std::string_view field, std::string_view words, std::string& folded) {
    constexpr size_t kPiece = 16384;
    folded.clear();
    size_t searched = 0;
    for (size_t at = 0; at < field.size();) {
        size_t end = std::min(field.size(), at + kPiece);
        while (end < field.size() && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80) {
            ++end;  // whole characters
        }
        const size_t junction = folded.size();
        appendSearchFolded(field.substr(at, end - at), folded);
        // Each piece reads its own run of blanks as one: a run cut in two
        // would be two blanks.
        if (junction > 0 && junction < folded.size() && folded[junction - 1] == ' ' &&
            folded[junction] == ' ') {
            folded.erase(junction, 1);
        }
        if (folded.find(words, searched) != std::string::npos) {
            return true;
        }
        searched = folded.size() >= words.size() ? folded.size() - words.size() + 1 : 0;
        at = end;
    }
    return false;
}

}  // namespace

std::vector<std::int64_t> rowsHolding(sqlite::Connection& connection,
                                      const std::vector<std::int64_t>& candidates,
                                      const std::string& foldedWords) {
    std::vector<std::int64_t> found;
    const auto holds = [&](std::int64_t row, std::string_view folded) {
        if (folded.find(foldedWords) != std::string_view::npos) {
            found.push_back(row);
        }
    };
    if (hasFoldedTextTable(connection)) {
        readFoldedRows(connection, candidates, holds);
        return found;
    }
    // The fields are joined by line breaks, which no folded words hold: the
    // words are in the row's text when they are in one of its fields.
    sqlite::Statement fields(connection, std::string(kFields) + " and T.rowid = ?");
    std::string folded;
    for (const std::int64_t row : candidates) {
        fields.reset();
        fields.bind(1, row);
        if (!fields.step()) {
            continue;
        }
        for (int field = 1; field <= 4; ++field) {
            if (fieldHolds(fields.utf8(field), foldedWords, folded)) {
                found.push_back(row);
                break;
            }
        }
    }
    return found;
}

void readFoldedRows(sqlite::Connection& connection, std::span<const std::int64_t> rows,
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
