#include "SearchIndex.h"

#include "PortugueseCollation.h"
#include "Sqlite.h"
#include "TextMatching.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace corvanel::SearchIndex {

namespace {

// The trigram tokenizer sees text already folded by the program's own
// rules, so it is told to change nothing (case_sensitive 1). detail=full
// keeps positions: a phrase is then found exactly, with no second check.
constexpr const char* kTables = R"sql(
DROP TABLE IF EXISTS SEARCH_TRIGRAMS;
DROP TABLE IF EXISTS SEARCH_TEXT;
DROP TABLE IF EXISTS TITLE_ORDER;
CREATE TABLE SEARCH_TEXT (
    row     INTEGER PRIMARY KEY,
    folded  TEXT NOT NULL
);
CREATE VIRTUAL TABLE SEARCH_TRIGRAMS USING fts5(
    folded, content = 'SEARCH_TEXT', content_rowid = 'row',
    tokenize = 'trigram case_sensitive 1', detail = full
);
CREATE TABLE TITLE_ORDER (
    cod   INTEGER PRIMARY KEY,
    rank  INTEGER NOT NULL
);
)sql";

constexpr std::string_view kRowFields =
    "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo "
    "from TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid";

void writeSearchText(sqlite::Connection& connection) {
    sqlite::Statement rows(connection, kRowFields);
    sqlite::Statement text(connection, "insert into SEARCH_TEXT (row, folded) values (?, ?)");
    sqlite::Statement trigrams(connection,
                               "insert into SEARCH_TRIGRAMS (rowid, folded) values (?, ?)");
    std::string folded;
    while (rows.step()) {
        folded.clear();
        appendRowText(rows.utf8(1), rows.utf8(2), rows.utf8(3), rows.utf8(4), folded);
        for (sqlite::Statement* insert : {&text, &trigrams}) {
            insert->bind(1, rows.int64(0));
            insert->bindUtf8(2, folded);
            insert->step();
            insert->reset();
        }
    }
}

// Ranks follow ORDER BY titulo in the collation of the column: NULL first,
// then Portuguese order; identical titles share a rank.
void writeTitleOrder(sqlite::Connection& connection, const char* table) {
    struct Card {
        std::int64_t cod;
        std::optional<std::string> title;
    };
    std::vector<Card> cards;
    sqlite::Statement read(connection, "select cod, titulo from LABELS");
    while (read.step()) {
        cards.push_back({read.int64(0),
                         read.isNull(1) ? std::nullopt : std::optional<std::string>(read.utf8(1))});
    }
    const PortugueseCollation collation;
    const auto compare = [&](const Card& a, const Card& b) {
        if (!a.title || !b.title) {
            return b.title.has_value() ? -1 : (a.title.has_value() ? 1 : 0);
        }
        return collation.compare(*a.title, *b.title);
    };
    std::stable_sort(cards.begin(), cards.end(),
                     [&](const Card& a, const Card& b) { return compare(a, b) < 0; });
    const std::string sql = std::string("insert into ") + table + " (cod, rank) values (?, ?)";
    sqlite::Statement insert(connection, sql);
    std::int64_t rank = 0;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (i > 0 && compare(cards[i - 1], cards[i]) != 0) {
            ++rank;
        }
        insert.bind(1, cards[i].cod);
        insert.bind(2, rank);
        insert.step();
        insert.reset();
    }
}

bool hasTable(sqlite::Connection& connection, std::string_view name) {
    sqlite::Statement query(connection,
                            "select 1 from sqlite_master where type = 'table' and name = ?");
    query.bind(1, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return query.step();
}

std::vector<std::int64_t> rowsOf(sqlite::Statement& query) {
    std::vector<std::int64_t> rows;
    while (query.step()) {
        rows.push_back(query.int64(0));
    }
    return rows;
}

// The words as one FTS5 phrase: inside double quotes every character is
// plain, a double quote written twice.
std::string phrase(const std::string& words) {
    std::string quoted = "\"";
    for (const char c : words) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

bool isPresent(sqlite::Connection& connection) {
    return hasTable(connection, "SEARCH_TEXT") && hasTable(connection, "SEARCH_TRIGRAMS") &&
           hasTable(connection, "TITLE_ORDER");
}

void build(sqlite::Connection& connection) {
    connection.executeScript(kTables);
    writeSearchText(connection);
    writeTitleOrder(connection, "TITLE_ORDER");
}

void createTemporaryTitleOrder(sqlite::Connection& connection) {
    connection.executeScript(
        "CREATE TEMP TABLE TITLE_ORDER (cod INTEGER PRIMARY KEY, rank INTEGER NOT NULL)");
    writeTitleOrder(connection, "temp.TITLE_ORDER");
}

void appendRowText(std::string_view title, std::string_view keywords, std::string_view subtitle,
                   std::string_view text, std::string& out) {
    bool first = true;
    for (const std::string_view field : {title, keywords, subtitle, text}) {
        if (!first) {
            out += '\n';
        }
        first = false;
        appendSearchFolded(field, out);
    }
}

std::vector<std::int64_t> matchingTextRows(sqlite::Connection& connection,
                                           const std::string& foldedWords) {
    if (foldedWords.empty()) {
        sqlite::Statement all(connection, "select row from SEARCH_TEXT order by row");
        return rowsOf(all);
    }
    if (characterCount(foldedWords) < kShortestIndexedWords) {
        sqlite::Statement scan(
            connection, "select row from SEARCH_TEXT where instr(folded, ?) > 0 order by row");
        scan.bindUtf8(1, foldedWords);
        return rowsOf(scan);
    }
    sqlite::Statement indexed(connection,
                              "select rowid from SEARCH_TRIGRAMS where SEARCH_TRIGRAMS match ? "
                              "order by rowid");
    indexed.bindUtf8(1, phrase(foldedWords));
    return rowsOf(indexed);
}

}  // namespace corvanel::SearchIndex
