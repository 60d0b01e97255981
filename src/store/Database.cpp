#include "Database.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"
#include "DocumentQueries.h"
#include "IndexedMatcher.h"
#include "MatchingFunctions.h"
#include "PortugueseCollation.h"
#include "Schema.h"
#include "SearchIndex.h"
#include "SearchWords.h"
#include "TextIndex.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace corvanel {

namespace {

QString quoted(const QString& path) {
    return u'"' + QFileInfo(path).absoluteFilePath() + u'"';
}

[[noreturn]] void refuse(const QString& path, const QString& reason) {
    throw DatabaseError(
        QStringLiteral("Não foi possível abrir o banco de dados %1: %2").arg(quoted(path), reason));
}

QString notACollection() {
    return QStringLiteral("o arquivo não é uma coleção do Corvanel.");
}

// Refuses what cannot be a collection before the engine sees it: an empty
// file would open as an empty database.
sqlite::Connection openCollectionFile(const ConnectionSettings& settings) {
    const QString& path = settings.dataSource;
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists()) {
        refuse(path, QStringLiteral("o arquivo não existe."));
    }
    if (file.isDir()) {
        refuse(path, QStringLiteral("é uma pasta, não um arquivo."));
    }
    if (file.size() == 0) {
        refuse(path, QStringLiteral("o arquivo está vazio; não é uma coleção do Corvanel."));
    }
    // Always read-only: nothing the program does writes the file, and a
    // received file's triggers never get a write to run on. The connection's
    // marks live in its temporary tables, which stay writable ("PRAGMA
    // query_only" would forbid those as well).
    return sqlite::Connection(file.absoluteFilePath(), sqlite::OpenMode::ReadOnly);
}

bool hasCardTable(sqlite::Connection& connection) {
    sqlite::Statement query(connection,
                            "select 1 from sqlite_master where type = 'table' and name = 'LABELS'");
    return query.step();
}

}  // namespace

Database::Database(const QString& connectionString)
    : Database(parseConnectionString(connectionString)) {}

Database::Database(const ConnectionSettings& settings)
    : filePath_(settings.dataSource), connection_(openCollectionFile(settings)) {
    connection_.setBusyTimeout(5000);
    checkCollection(settings.password);
    defineFunctions();
    createScratchTables();
    chooseKeywordEngine();
}

Database::~Database() = default;

// The schema is compared before any row is read: what a file holds beyond
// what the builder writes is never run or read.
void Database::checkCollection(const QString& password) {
    bool collection = false;
    bool accepted = false;
    QString difference;
    try {
        collection = DatabasePassword::isStored(connection_) || hasCardTable(connection_);
        difference = collection ? Schema::differenceFromBuilt(connection_) : QString();
        accepted =
            collection && difference.isEmpty() && DatabasePassword::matches(connection_, password);
        lastTextRow_ = accepted ? SearchIndex::lastTextRow(connection_) : 0;
    } catch (const DatabaseError& error) {
        if (sqlite::isNotADatabase(error)) {
            refuse(filePath_, notACollection());
        }
        if (sqlite::isDamaged(error)) {
            refuse(filePath_, u"o arquivo está danificado (" + error.engineMessage() + u").");
        }
        refuse(filePath_,
               error.engineMessage().isEmpty() ? error.message() : error.engineMessage() + u'.');
    }
    if (!collection) {
        refuse(filePath_, notACollection());
    }
    if (!difference.isEmpty()) {
        refuse(filePath_, u"o arquivo não é uma coleção do Corvanel (" + difference + u").");
    }
    if (!accepted) {
        refuse(filePath_, QStringLiteral("senha inválida."));
    }
}

void Database::defineFunctions() {
    MatchingFunctions::defineLike(connection_);
    PortugueseCollation::registerWith(connection_);
}

// A collection from the earlier builder still searches and lists in order:
// its titles are ranked now (a quick sort of the cards) and its texts read
// in the background, until `corvanel-collection reindex` adds the index.
void Database::chooseKeywordEngine() {
    titleOrder_ = TitleOrder(lastTextRow_);
    hasSearchIndex_ = SearchIndex::isPresent(connection_);
    hasCompleteSearchIndex_ = hasSearchIndex_ && SearchIndex::hasShortStrings(connection_);
    hasCurrentFolding_ = !hasSearchIndex_ ||
                         SearchIndex::foldingVersion(connection_) == SearchIndex::kFoldingVersion;
    if (hasSearchIndex_) {
        matcher_ = std::make_unique<IndexedMatcher>(connection_, lastTextRow_);
        return;
    }
    SearchIndex::createTemporaryTitleOrder(connection_);
    matcher_ = std::make_unique<TextIndexMatcher>(QFileInfo(filePath_).absoluteFilePath());
}

void Database::createScratchTables() {
    // Kept in memory: a search's matched rows pay no disk sync, and the file
    // itself is never written for them.
    connection_.executeScript(
        "PRAGMA temp_store = MEMORY;"
        "CREATE TEMP TABLE MATCHED_ROWS (row INTEGER PRIMARY KEY);");
}

void Database::startIndexingTexts() {
    matcher_->prepareInBackground();
}

bool Database::isReadOnly() const {
    return connection_.isReadOnly();
}

int Database::count(sqlite::Statement& statement, const MessagePump& pump) {
    const int rows = statement.step() ? static_cast<int>(statement.int64(0)) : 0;
    if (pump) {
        pump();
    }
    return rows;
}

int Database::countDocuments(const MessagePump& pump) {
    sqlite::Statement statement(connection_, queries::kCountDocuments);
    return count(statement, pump);
}

int Database::countSection(const QString& letter, const MessagePump& pump) {
    sqlite::Statement statement(connection_, queries::kCountSection);
    statement.bind(":letter", letter);
    return count(statement, pump);
}

QString Database::contentRoot() {
    sqlite::Statement statement(connection_, queries::kReadContentRoot);
    return statement.step() ? statement.text(0) : QString();
}

QString Database::edition() {
    sqlite::Statement hasColumn(connection_, queries::kHasEdition);
    if (!hasColumn.step() || hasColumn.int64(0) == 0) {
        return {};
    }
    sqlite::Statement statement(connection_, queries::kReadEdition);
    return statement.step() ? statement.text(0).trimmed() : QString();
}

int Database::listDocuments(sqlite::Statement& statement, const DocumentHandler& handler,
                            const QSet<std::int64_t>* documents) {
    int rows = 0;
    ListedDocument document;
    while (statement.step()) {
        if (documents != nullptr && !documents->contains(statement.int64(1))) {
            continue;
        }
        document.title = statement.text(0);
        document.code = statement.text(1);
        document.subtitle = statement.text(2);
        document.section = statement.text(3);
        document.textRow = statement.int64(4);
        handler(document);
        ++rows;
    }
    return rows;
}

int Database::listCategory(const QString& category, const DocumentHandler& handler) {
    sqlite::Statement statement(connection_, queries::kListCategory);
    statement.bind(":category", category);
    return listDocuments(statement, handler);
}

// From the order and the cards held in memory: a statement would look two
// tables up for every row.
int Database::listCollection(const DocumentHandler& handler) {
    return listFromLabels(titleOrder_.all(connection_), {}, {}, handler);
}

namespace {

// From how many matched rows a search is ordered and listed in memory
// (TitleOrder, CardLabels), both read whole when first needed.
constexpr size_t kListedFromLabels = 1000;

}  // namespace

// A few rows go into MATCHED_ROWS, from which the statement lists those
// that pass its filter, in title order: a rare word reads only its own
// rows and cards. Many rows are put in order in memory instead.
int Database::listMatches(const QString& words, WordMatching matching, std::string_view filter,
                          const std::function<void(sqlite::Statement&)>& bindFilter,
                          const DocumentHandler& handler, const QSet<std::int64_t>* documents) {
    // A narrowing confirms whole words only in the rows of its documents.
    std::optional<std::vector<std::int64_t>> among;
    if (documents != nullptr && matching == WordMatching::WholeWords) {
        among.emplace();
        for (const TitleOrder::Placed& placed : titleOrder_.all(connection_)) {
            if (documents->contains(placed.cod)) {
                among->push_back(placed.row);
            }
        }
        std::sort(among->begin(), among->end());
    }
    // Front ends cut longer words and say so; the store holds to the bound whoever asks.
    const std::vector<std::int64_t> rows =
        matcher_->matchingTextRows(boundedSearchWords(words), matching, among ? &*among : nullptr);
    if (rows.size() >= kListedFromLabels) {
        return listFromLabels(titleOrder_.inOrder(connection_, rows), filter, bindFilter, handler,
                              documents);
    }
    {
        sqlite::Savepoint batch(connection_);
        sqlite::Statement(connection_, queries::kClearMatchedRows).step();
        sqlite::Statement add(connection_, queries::kAddMatchedRow);
        for (const std::int64_t row : rows) {
            add.bind(":row", row);
            add.step();
            add.reset();
        }
        batch.release();
    }
    const std::string sql = std::string(queries::kMatchedRows) + std::string(filter) +
                            std::string(queries::kInTitleOrder);
    sqlite::Statement statement(connection_, sql);
    if (bindFilter) {
        bindFilter(statement);
    }
    return listDocuments(statement, handler, documents);
}

// Many rows: the cards that pass the filter are asked once, and the rows
// are listed from the cards' fields held in memory.
int Database::listFromLabels(const std::vector<TitleOrder::Placed>& rows, std::string_view filter,
                             const std::function<void(sqlite::Statement&)>& bindFilter,
                             const DocumentHandler& handler, const QSet<std::int64_t>* documents) {
    std::optional<QSet<std::int64_t>> passing;
    if (!filter.empty()) {
        sqlite::Statement statement(connection_,
                                    std::string(queries::kCardsPassing) + std::string(filter));
        if (bindFilter) {
            bindFilter(statement);
        }
        passing.emplace();
        while (statement.step()) {
            passing->insert(statement.int64(0));
        }
    }
    int listed = 0;
    for (const TitleOrder::Placed& placed : rows) {
        if ((passing && !passing->contains(placed.cod)) ||
            (documents != nullptr && !documents->contains(placed.cod))) {
            continue;
        }
        if (const ListedDocument* card = labels_.listedAt(connection_, placed.cod, placed.row)) {
            handler(*card);
            ++listed;
        }
    }
    return listed;
}

int Database::searchWords(const QString& words, const SearchScope& scope,
                          const DocumentHandler& handler, WordMatching matching) {
    switch (scope.kind) {
        case SearchScope::Kind::AllSections:
            return listMatches(words, matching, {}, {}, handler);
        case SearchScope::Kind::Section:
            return listMatches(
                words, matching, queries::kInSection,
                [&](sqlite::Statement& s) { s.bind(":letter", scope.filter); }, handler);
        case SearchScope::Kind::Subcategory:
            break;
    }
    return listMatches(
        words, matching, queries::kInSubcategory,
        [&](sqlite::Statement& s) { s.bind(":subcategory", scope.filter); }, handler);
}

int Database::narrowWords(const QString& words, const QSet<std::int64_t>& documents,
                          const DocumentHandler& handler, WordMatching matching) {
    if (documents.isEmpty()) {
        return 0;
    }
    return listMatches(words, matching, {}, {}, handler, &documents);
}

void Database::readFoldedRows(std::span<const std::int64_t> rows,
                              const SearchIndex::FoldedRowVisitor& visit) {
    matcher_->readFoldedRows(rows, visit);
}

std::optional<RelevanceCounts> Database::relevanceCounts(
    const std::vector<std::string>& foldedWords, WordMatching matching) {
    return matcher_->relevanceCounts(foldedWords, matching);
}

namespace {

// From how many rows a result shown again is listed from the cards held in
// memory rather than looked up one by one.
constexpr size_t kRowsListedFromLabels = 1000;

}  // namespace

int Database::listRows(std::span<const ResultRow> rows, const DocumentHandler& handler) {
    QSet<std::int64_t> listed;
    listed.reserve(static_cast<qsizetype>(rows.size()));
    int count = 0;
    const auto list = [&](const ListedDocument* card) {
        if (card != nullptr) {
            handler(*card);
            ++count;
        }
    };
    if (rows.size() >= kRowsListedFromLabels) {
        for (const ResultRow& row : rows) {
            if (!listed.contains(row.textRow)) {
                listed.insert(row.textRow);
                list(labels_.listedAt(connection_, row.code, row.textRow));
            }
        }
        return count;
    }
    sqlite::Statement card(connection_, queries::kCardOfRow);
    ListedDocument document;
    for (const ResultRow& row : rows) {
        if (listed.contains(row.textRow)) {
            continue;
        }
        listed.insert(row.textRow);
        card.bind(":code", row.code);
        const bool found = card.step();
        if (found) {
            document.title = card.text(0);
            document.code = card.text(1);
            document.subtitle = card.text(2);
            document.section = card.text(3);
            document.textRow = row.textRow;
        }
        card.reset();
        list(found ? &document : nullptr);
    }
    return count;
}

int Database::listAuthors(const AuthorHandler& handler) {
    sqlite::Statement statement(connection_, queries::kListAuthors);
    int rows = 0;
    while (statement.step()) {
        handler(statement.text(0));
        ++rows;
    }
    return rows;
}

Database::TextRowFields Database::textRowFields(std::int64_t textRow) {
    sqlite::Statement statement(connection_, queries::kTextRowFields);
    statement.bind(":row", textRow);
    if (!statement.step()) {
        return {};
    }
    return {statement.text(0), statement.text(1), statement.text(2), statement.text(3)};
}

QString Database::documentTextStart(std::int64_t textRow, int characters) {
    const bool openings = SearchIndex::hasTextOpenings(connection_);
    if (!textStart_) {
        textStart_.emplace(connection_, openings ? queries::kDocumentTextStartFromOpenings
                                                 : queries::kDocumentTextStart);
    }
    sqlite::Statement& statement = *textStart_;
    statement.reset();
    statement.bind(":row", textRow);
    statement.bind(":characters", characters);
    if (openings) {
        statement.bind(":stored", SearchIndex::kTextOpeningCharacters);
    }
    QString text = statement.step() ? statement.text(0) : QString();
    // Done with the row: the statement holds no read open between calls.
    statement.reset();
    return text;
}

std::vector<QString> Database::documentTextStarts(const std::vector<std::int64_t>& textRows,
                                                  int characters) {
    if (textRows.empty()) {
        return {};
    }
    QString list = QStringLiteral("[");
    for (const std::int64_t row : textRows) {
        list += QString::number(row) + u',';
    }
    list.back() = u']';
    QHash<std::int64_t, QString> read;
    const bool openings = SearchIndex::hasTextOpenings(connection_);
    sqlite::Statement statement(connection_, openings ? queries::kDocumentTextStartsFromOpenings
                                                      : queries::kDocumentTextStarts);
    statement.bind(":characters", characters);
    if (openings) {
        statement.bind(":stored", SearchIndex::kTextOpeningCharacters);
    }
    statement.bind(":rows", list);
    while (statement.step()) {
        read.insert(statement.int64(0), statement.text(1));
    }
    std::vector<QString> texts;
    texts.reserve(textRows.size());
    for (const std::int64_t row : textRows) {
        texts.push_back(read.value(row));
    }
    return texts;
}

}  // namespace corvanel
