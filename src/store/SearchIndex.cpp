#include "SearchIndex.h"

#include "FoldedRows.h"
#include "PortugueseCollation.h"
#include "Sections.h"
#include "ShortStringIndex.h"
#include "Sqlite.h"
#include "TextMatching.h"
#include "WordIndex.h"

#include <algorithm>
#include <optional>

namespace corvanel::SearchIndex {

namespace {

// The trigram tokenizer sees text already folded by the program's own
// rules, so it is told to change nothing (case_sensitive 1). detail=full
// keeps positions: a phrase is then found exactly, with no second check.
// The index keeps no copy of the text (content ''): what needs the folded
// text folds the cards and texts again (FoldedRows), and SEARCH_DIGEST
// tells whether they are still what was indexed.
constexpr const char* kDropTables = R"sql(
DROP TABLE IF EXISTS SEARCH_TRIGRAMS;
DROP TABLE IF EXISTS SEARCH_TEXT;
DROP TABLE IF EXISTS SEARCH_DIGEST;
DROP TABLE IF EXISTS TITLE_ORDER;
DROP TABLE IF EXISTS SEARCH_SHORT;
DROP TABLE IF EXISTS SEARCH_FOLDING;
DROP TABLE IF EXISTS TEXT_OPENINGS;
DROP TABLE IF EXISTS SEARCH_WORDS;
DROP TABLE IF EXISTS SEARCH_TERMS;
)sql";

constexpr const char* kTables = R"sql(
CREATE VIRTUAL TABLE SEARCH_TRIGRAMS USING fts5(
    folded, content = '', tokenize = 'trigram case_sensitive 1', detail = full
);
CREATE TABLE SEARCH_DIGEST (
    row     INTEGER PRIMARY KEY,
    digest  INTEGER NOT NULL
);
CREATE TABLE TITLE_ORDER (
    row   INTEGER PRIMARY KEY,
    cod   INTEGER NOT NULL,
    rank  INTEGER NOT NULL
);
CREATE TABLE SEARCH_FOLDING (
    version  INTEGER NOT NULL
);
CREATE TABLE TEXT_OPENINGS (
    row      INTEGER PRIMARY KEY,
    opening  TEXT
);
)sql";

constexpr std::string_view kRowFields =
    "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo "
    "from TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid";

void writeSearchText(sqlite::Connection& connection) {
    sqlite::Statement lastRow(connection, "select coalesce(max(rowid), 0) from TEXTOS");
    ShortStringIndex shortStrings(lastRow.step() ? lastRow.int64(0) : 0);
    sqlite::Statement rows(connection, kRowFields);
    sqlite::Statement trigrams(connection,
                               "insert into SEARCH_TRIGRAMS (rowid, folded) values (?, ?)");
    sqlite::Statement digest(connection, "insert into SEARCH_DIGEST (row, digest) values (?, ?)");
    connection.executeScript(WordIndex::kCreate);
    sqlite::Statement words(connection, WordIndex::kInsert);
    std::string folded;
    while (rows.step()) {
        folded.clear();
        appendRowText(rows.utf8(1), rows.utf8(2), rows.utf8(3), rows.utf8(4), folded);
        trigrams.bind(1, rows.int64(0));
        trigrams.bindUtf8(2, folded);
        trigrams.step();
        trigrams.reset();
        words.bind(1, rows.int64(0));
        words.bindUtf8(2, folded);
        words.step();
        words.reset();
        digest.bind(1, rows.int64(0));
        digest.bind(2, rowDigest(folded));
        digest.step();
        digest.reset();
        shortStrings.add(rows.int64(0), folded);
    }
    WordIndex::writeTerms(connection);
    connection.executeScript(ShortStringIndex::kCreate);
    shortStrings.write(connection);
}

// Ranks follow ORDER BY titulo in the collation of the column (NULL first,
// then Portuguese order), then the card's code and the text row: one place
// per text row, so that a listing reads small rows and sorts integers.
void writeTitleOrder(sqlite::Connection& connection, const char* table) {
    struct Row {
        std::int64_t row;
        std::int64_t cod;
        std::optional<std::string> title;
    };
    std::vector<Row> rows;
    sqlite::Statement read(connection,
                           "select T.rowid, L.cod, L.titulo from LABELS L, TEXTOS T "
                           "where T.cod_texto = L.cod");
    while (read.step()) {
        rows.push_back({read.int64(0), read.int64(1),
                        read.isNull(2) ? std::nullopt : std::optional<std::string>(read.utf8(2))});
    }
    const PortugueseCollation collation;
    std::sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (a.title.has_value() != b.title.has_value()) {
            return !a.title.has_value();
        }
        const int titles = a.title ? collation.compare(*a.title, *b.title) : 0;
        if (titles != 0) {
            return titles < 0;
        }
        return a.cod != b.cod ? a.cod < b.cod : a.row < b.row;
    });
    const std::string sql =
        std::string("insert into ") + table + " (row, cod, rank) values (?, ?, ?)";
    sqlite::Statement insert(connection, sql);
    for (size_t i = 0; i < rows.size(); ++i) {
        insert.bind(1, rows[i].row);
        insert.bind(2, rows[i].cod);
        insert.bind(3, static_cast<std::int64_t>(i));
        insert.step();
        insert.reset();
    }
}

// The card letters whose cards are listed by the start of their text.
std::string openingLetters() {
    std::string letters;
    for (const SectionFacts& facts : kSections) {
        if (facts.listsTextStart) {
            letters +=
                (letters.empty() ? "'" : ", '") + facts.cardLetter.toString().toStdString() + "'";
        }
    }
    return letters;
}

void writeTextOpenings(sqlite::Connection& connection) {
    sqlite::Statement openings(
        connection,
        "insert into TEXT_OPENINGS (row, opening) select T.rowid, substr(T.conteudo, "
        "1, ?) from TEXTOS T join LABELS L on L.cod = T.cod_texto where L.sessao in (" +
            openingLetters() + ")");
    openings.bind(1, kTextOpeningCharacters);
    openings.step();
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

// Longer words are not asked as one phrase: the engine reads a trigram's
// places once for every time it occurs in the phrase, so repetitive words
// ("de de de ...") cost rows times words in time and memory. Their rows are
// found from a phrase of their first characters, this many trigrams, and
// confirmed by reading.
constexpr size_t kMostPhraseTrigrams = 16;

// The first characters of UTF-8 words.
std::string_view leadingCharacters(std::string_view words, size_t characters) {
    size_t at = 0;
    for (size_t seen = 0; at < words.size(); ++at) {
        if ((static_cast<unsigned char>(words[at]) & 0xC0) != 0x80 && seen++ == characters) {
            break;
        }
    }
    return words.substr(0, at);
}

// A collection indexed before SEARCH_SHORT was written is scanned.
// Short words are common: each row of its SEARCH_TEXT is read piece by
// piece from its start and left at its first hit, so most rows are read
// only in part.
std::vector<std::int64_t> scannedCopyRows(sqlite::Connection& connection,
                                          const std::string& words) {
    constexpr int kPiece = 8192;
    const int overlap = static_cast<int>(words.size()) - 1;
    sqlite::Statement rows(connection, "select row from SEARCH_TEXT order by row");
    sqlite::ValueReader text(connection, "SEARCH_TEXT", "folded");
    std::vector<char> piece(kPiece);
    std::vector<std::int64_t> found;
    while (rows.step()) {
        const std::int64_t row = rows.int64(0);
        const int size = text.open(row);
        for (int at = 0; at < size; at += kPiece - overlap) {
            const int length = std::min(kPiece, size - at);
            text.read(piece.data(), length, at);
            if (std::string_view(piece.data(), static_cast<size_t>(length)).find(words) !=
                std::string_view::npos) {
                found.push_back(row);
                break;
            }
            if (at + length >= size) {
                break;
            }
        }
    }
    return found;
}

std::vector<std::int64_t> scannedRows(sqlite::Connection& connection, const std::string& words) {
    if (hasFoldedTextTable(connection)) {
        return scannedCopyRows(connection, words);
    }
    std::vector<std::int64_t> found;
    readAllFoldedRows(connection, [&](std::int64_t row, std::string_view folded) {
        if (folded.find(words) != std::string_view::npos) {
            found.push_back(row);
        }
    });
    return found;
}

}  // namespace

bool isPresent(sqlite::Connection& connection) {
    return hasTable(connection, "SEARCH_TRIGRAMS") && hasTable(connection, "TITLE_ORDER");
}

std::vector<std::int64_t> staleTextOpenings(sqlite::Connection& connection) {
    const std::string letters = openingLetters();
    sqlite::Statement stale(
        connection,
        "select T.rowid from TEXTOS T join LABELS L on L.cod = T.cod_texto left join "
        "TEXT_OPENINGS O on O.row = T.rowid where case when O.row is null then L.sessao in (" +
            letters + ") else L.sessao not in (" + letters +
            ") or O.opening is not substr(T.conteudo, 1, ?1) end "
            "union select O.row from TEXT_OPENINGS O where not exists (select 1 from TEXTOS T "
            "join LABELS L on L.cod = T.cod_texto where T.rowid = O.row) order by 1");
    stale.bind(1, kTextOpeningCharacters);
    return rowsOf(stale);
}

bool hasTextOpenings(sqlite::Connection& connection) {
    return hasTable(connection, "TEXT_OPENINGS");
}

bool hasFoldedTextTable(sqlite::Connection& connection) {
    return hasTable(connection, kFoldedTextTable);
}

std::int64_t rowDigest(std::string_view folded) {
    // FNV-1a: enough to tell a changed text from the indexed one.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : folded) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return static_cast<std::int64_t>(hash);
}

bool hasShortStrings(sqlite::Connection& connection) {
    return hasTable(connection, ShortStringIndex::kTable);
}

std::int64_t foldingVersion(sqlite::Connection& connection) {
    if (!hasTable(connection, "SEARCH_FOLDING")) {
        return 1;
    }
    sqlite::Statement version(connection, "select max(version) from SEARCH_FOLDING");
    return version.step() && !version.isNull(0) ? version.int64(0) : 1;
}

void drop(sqlite::Connection& connection) {
    connection.executeScript(kDropTables);
}

void build(sqlite::Connection& connection) {
    drop(connection);
    connection.executeScript(kTables);
    sqlite::Statement version(connection, "insert into SEARCH_FOLDING (version) values (?)");
    version.bind(1, kFoldingVersion);
    version.step();
    writeSearchText(connection);
    writeTitleOrder(connection, "TITLE_ORDER");
    connection.executeScript("CREATE INDEX TITLE_ORDER_rank ON TITLE_ORDER (rank)");
    writeTextOpenings(connection);
}

void createTemporaryTitleOrder(sqlite::Connection& connection) {
    connection.executeScript(
        "CREATE TEMP TABLE TITLE_ORDER (row INTEGER PRIMARY KEY, cod INTEGER NOT NULL, "
        "rank INTEGER NOT NULL)");
    writeTitleOrder(connection, "temp.TITLE_ORDER");
    connection.executeScript("CREATE INDEX temp.TITLE_ORDER_rank ON TITLE_ORDER (rank)");
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

std::int64_t lastTextRow(sqlite::Connection& connection) {
    sqlite::Statement rows(connection,
                           "select (select count(*) from TEXTOS), "
                           "(select coalesce(max(rowid), 0) from TEXTOS)");
    rows.step();
    const std::int64_t count = rows.int64(0);
    const std::int64_t last = rows.int64(1);
    // Room for rows a publisher deleted by hand, not for a made-up number.
    constexpr std::int64_t kGapsAllowed = 4096;
    if (last < 0 || last > count * 4 + kGapsAllowed) {
        throw sqlite::damagedValue(
            QStringLiteral("a tabela TEXTOS tem %1 linhas, mas uma delas tem o número %2")
                .arg(count)
                .arg(last));
    }
    return last;
}

std::vector<std::int64_t> matchingTextRows(sqlite::Connection& connection,
                                           const std::string& foldedWords,
                                           std::optional<std::int64_t> lastRow,
                                           const WordIndex* words) {
    if (foldedWords.empty()) {
        sqlite::Statement all(connection, "select row from TITLE_ORDER order by row");
        return rowsOf(all);
    }
    if (characterCount(foldedWords) < kShortestIndexedWords) {
        return hasShortStrings(connection)
                   ? ShortStringIndex::matchingTextRows(
                         connection, foldedWords, lastRow ? *lastRow : lastTextRow(connection))
                   : scannedRows(connection, foldedWords);
    }
    std::optional<WordIndex> loaded;
    if (words == nullptr && WordIndex::isPresent(connection)) {
        words = &loaded.emplace(connection);
    }
    if (words != nullptr) {
        if (auto rows = words->matchingTextRows(connection, foldedWords)) {
            return std::move(*rows);
        }
    }
    if (characterCount(foldedWords) - 2 <= kMostPhraseTrigrams) {
        sqlite::Statement indexed(connection,
                                  "select rowid from SEARCH_TRIGRAMS where SEARCH_TRIGRAMS match ? "
                                  "order by rowid");
        indexed.bindUtf8(1, phrase(foldedWords));
        return rowsOf(indexed);
    }
    sqlite::Statement candidates(
        connection,
        "select rowid from SEARCH_TRIGRAMS where SEARCH_TRIGRAMS match ? order by rowid");
    candidates.bindUtf8(
        1, phrase(std::string(leadingCharacters(foldedWords, kMostPhraseTrigrams + 2))));
    return rowsHolding(connection, rowsOf(candidates), foldedWords);
}

}  // namespace corvanel::SearchIndex
