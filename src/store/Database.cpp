#include "Database.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"
#include "DocumentQueries.h"
#include "MatchingFunctions.h"
#include "PortugueseCollation.h"
#include "TextIndex.h"

#include <QFileInfo>

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
    // A file on read-only media opens read-only by itself; "Mode=Read" asks
    // for that explicitly.
    return sqlite::Connection(file.absoluteFilePath(), settings.readOnly()
                                                           ? sqlite::OpenMode::ReadOnly
                                                           : sqlite::OpenMode::ReadWrite);
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
    : filePath_(settings.dataSource),
      matcher_(std::make_unique<TextIndexMatcher>(QFileInfo(filePath_).absoluteFilePath())),
      connection_(openCollectionFile(settings)) {
    connection_.setBusyTimeout(5000);
    checkCollection(settings.password);
    defineFunctions();
    createScratchTables();
}

Database::~Database() = default;

void Database::checkCollection(const QString& password) {
    bool collection = false;
    bool accepted = false;
    try {
        collection = DatabasePassword::isStored(connection_) || hasCardTable(connection_);
        accepted = collection && DatabasePassword::matches(connection_, password);
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
    if (!accepted) {
        refuse(filePath_, QStringLiteral("senha inválida."));
    }
}

void Database::defineFunctions() {
    MatchingFunctions::defineLike(connection_);
    MatchingFunctions::defineWordsMatch(connection_, *matcher_);
    PortugueseCollation::registerWith(connection_);
}

void Database::createScratchTables() {
    // Kept in memory: adding thousands of marks pays no disk sync, and the
    // file itself is never written for them. Narrowing and stepping back
    // look a level's marks up.
    connection_.executeScript(
        "PRAGMA temp_store = MEMORY;"
        "CREATE TEMP TABLE LABELS2 (cod INTEGER, ctr INTEGER);"
        "CREATE INDEX temp.LABELS2_ctr ON LABELS2 (ctr, cod);");
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

void Database::storeContentRoot(const QString& folder) {
    sqlite::Statement statement(connection_, queries::kStoreContentRoot);
    statement.bind(":folder", folder);
    statement.step();
}

int Database::listDocuments(sqlite::Statement& statement, const DocumentHandler& handler) {
    int rows = 0;
    ListedDocument document;
    while (statement.step()) {
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

int Database::listCollection(const DocumentHandler& handler) {
    sqlite::Statement statement(connection_, queries::kListCollection);
    return listDocuments(statement, handler);
}

int Database::searchWords(const QString& words, const SearchScope& scope,
                          const DocumentHandler& handler) {
    switch (scope.kind) {
        case SearchScope::Kind::AllSections: {
            sqlite::Statement statement(connection_, queries::kSearchAllSections);
            statement.bind(":words", words);
            return listDocuments(statement, handler);
        }
        case SearchScope::Kind::Section: {
            sqlite::Statement statement(connection_, queries::kSearchSection);
            statement.bind(":words", words);
            statement.bind(":letter", scope.filter);
            return listDocuments(statement, handler);
        }
        case SearchScope::Kind::Subcategory:
            break;
    }
    sqlite::Statement statement(connection_, queries::kSearchSubcategory);
    statement.bind(":words", words);
    statement.bind(":subcategory", scope.filter);
    return listDocuments(statement, handler);
}

int Database::narrowWords(const QString& words, int previousLevel, const DocumentHandler& handler) {
    sqlite::Statement statement(connection_, queries::kNarrowWords);
    statement.bind(":words", words);
    statement.bind(":level", previousLevel);
    return listDocuments(statement, handler);
}

int Database::listLevel(int level, const DocumentHandler& handler) {
    sqlite::Statement statement(connection_, queries::kListLevel);
    statement.bind(":level", level);
    return listDocuments(statement, handler);
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

QString Database::documentTextStart(std::int64_t textRow, int characters) {
    if (!textStart_) {
        textStart_.emplace(connection_, queries::kDocumentTextStart);
    }
    sqlite::Statement& statement = *textStart_;
    statement.reset();
    statement.bind(":row", textRow);
    statement.bind(":characters", characters);
    QString text = statement.step() ? statement.text(0) : QString();
    // Done with the row: the statement holds no read open between calls.
    statement.reset();
    return text;
}

void Database::clearAllMarks() {
    sqlite::Statement statement(connection_, queries::kClearAllMarks);
    statement.step();
}

void Database::clearLevelMarks(int level) {
    sqlite::Statement statement(connection_, queries::kClearLevelMarks);
    statement.bind(":level", level);
    statement.step();
}

void Database::addMarks(const QStringList& codes, int level) {
    sqlite::Savepoint batch(connection_);
    sqlite::Statement insert(connection_, queries::kAddMark);
    insert.bind(":level", level);
    for (const QString& code : codes) {
        insert.bind(":code", code);
        insert.step();
        insert.reset();
    }
    batch.release();
}

}  // namespace corvanel
