#include "Database.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"
#include "PortugueseCollation.h"
#include "SqliteDialect.h"
#include "TextIndex.h"
#include "TextMatching.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <optional>

namespace corvanel {

namespace {

std::string_view textArgument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text == nullptr ? std::string_view()
                           : std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value)));
}

bool anyNull(sqlite3_value** argv) {
    return sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL;
}

// What a function works out from its first argument, kept with the
// statement while that argument stays the same. make returns it, or null
// after reporting an error itself; null is returned after any error.
template <typename T, typename Make>
T* keptWithStatement(sqlite3_context* context, Make&& make) {
    if (auto* kept = static_cast<T*>(sqlite3_get_auxdata(context, 0))) {
        return kept;
    }
    std::unique_ptr<T> made;
    try {
        made = make();
    } catch (const std::exception& error) {
        sqlite3_result_error(context, error.what(), -1);
        return nullptr;
    }
    if (!made) {
        return nullptr;
    }
    sqlite3_set_auxdata(context, 0, made.release(), [](void* p) { delete static_cast<T*>(p); });
    // SQLite may have destroyed it at once; ask again.
    auto* kept = static_cast<T*>(sqlite3_get_auxdata(context, 0));
    if (kept == nullptr) {
        sqlite3_result_error_nomem(context);
    }
    return kept;
}

// like(pattern, text [, escape]): SQLite's LIKE operator, made to ignore
// accents as well as letter case.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto* pattern = keptWithStatement<LikePattern>(context, [&]() -> std::unique_ptr<LikePattern> {
        char32_t escape = 0;
        if (argc == 3) {
            const QString escapeText = QString::fromStdString(std::string(textArgument(argv[2])));
            if (escapeText.size() != 1) {
                sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
                return nullptr;
            }
            escape = escapeText.at(0).unicode();
        }
        return std::make_unique<LikePattern>(textArgument(argv[0]), escape);
    });
    if (pattern != nullptr) {
        sqlite3_result_int(context, pattern->matches(textArgument(argv[1])) ? 1 : 0);
    }
}

// The text rows a pattern matches, ascending.
using MatchedRows = std::vector<std::int64_t>;

// words_match(pattern, text row): whether the LIKE pattern matches the
// title, key words or sub-title of the text row's card, or the row's own
// text. The store's one matching function for key-word searches: it asks
// the in-memory text index once per statement and then looks rows up.
void wordsMatchFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    if (anyNull(argv)) {
        sqlite3_result_null(context);
        return;
    }
    const auto* matched = keptWithStatement<MatchedRows>(context, [&] {
        auto& texts = *static_cast<TextIndexLoader*>(sqlite3_user_data(context));
        return std::make_unique<MatchedRows>(
            texts.index().matchingTextRows(LikePattern(textArgument(argv[0]))));
    });
    if (matched != nullptr) {
        const bool found = std::binary_search(matched->begin(), matched->end(),
                                              sqlite3_value_int64(argv[1]));
        sqlite3_result_int(context, found ? 1 : 0);
    }
}

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

}  // namespace

// A prepared statement that finalises itself.
class Database::Statement {
public:
    Statement(const Database& database, const QString& sql) : database_(database) {
        const QByteArray text = SqliteDialect::translate(sql).toUtf8();
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(database.db_, text.constData(), static_cast<int>(text.size()),
                               &statement_, &tail) != SQLITE_OK) {
            database.fail(QStringLiteral("Erro no comando enviado ao banco de dados"));
        }
        // One statement at a time: anything after it would be a second one.
        if (tail != nullptr &&
            !QByteArray(tail, text.constData() + text.size() - tail).trimmed().isEmpty()) {
            sqlite3_finalize(statement_);
            throw DatabaseError(QStringLiteral(
                "Erro no comando enviado ao banco de dados: há mais de uma instrução no texto."));
        }
        if (statement_ == nullptr) {
            throw DatabaseError(
                QStringLiteral("Erro no comando enviado ao banco de dados: o comando está vazio."));
        }
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while there is a row to read.
    bool step() {
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW) {
            return true;
        }
        if (rc != SQLITE_DONE) {
            database_.fail(QStringLiteral("Erro ao consultar o banco de dados"));
        }
        return false;
    }

    sqlite3_stmt* get() const { return statement_; }

private:
    const Database& database_;
    sqlite3_stmt* statement_ = nullptr;
};

Row::Row(sqlite3_stmt* statement) : statement_(statement) {
    const int count = sqlite3_column_count(statement);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(statement, i)).toLower();
        if (!columns_.contains(name)) {
            columns_.insert(name, i);
        }
    }
}

QString Row::field(QStringView column) const {
    const auto found = columns_.constFind(column.toString().toLower());
    if (found == columns_.cend()) {
        throw DatabaseError(
            QStringLiteral("O campo \"%1\" não existe no resultado da consulta.").arg(column));
    }
    return columnText(statement_, found.value());
}

Database::Database(const QString& connectionString) {
    const ConnectionSettings settings = parseConnectionString(connectionString);
    filePath_ = settings.dataSource;
    const QString quotedPath = u'"' + QFileInfo(filePath_).absoluteFilePath() + u'"';
    if (filePath_.isEmpty() || !QFileInfo(filePath_).isFile()) {
        throw DatabaseError(QStringLiteral("Não foi possível abrir o banco de dados %1: "
                                           "o arquivo não existe.")
                                .arg(quotedPath));
    }
    // A file on read-only media opens read-only by itself; "Mode=Read" asks
    // for that explicitly.
    const int openMode = settings.readOnly() ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(filePath_).constData(), &db_, openMode, nullptr);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível abrir o banco de dados %1").arg(quotedPath));
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 5000);
    try {
        checkPassword(settings.password);
    } catch (const DatabaseError& error) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw DatabaseError(QStringLiteral("Não foi possível abrir o banco de dados %1: %2")
                                .arg(quotedPath, error.message()));
    }
    texts_ = std::make_unique<TextIndexLoader>(QFileInfo(filePath_).absoluteFilePath());
    registerFunctions();
    createScratchTables();
}

Database::~Database() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
    }
}

void Database::startIndexingTexts() { texts_->start(); }

void Database::checkPassword(const QString& password) {
    bool accepted = false;
    try {
        accepted = DatabasePassword::matches(db_, password);
    } catch (const DatabaseError&) {
        if (sqlite3_errcode(db_) == SQLITE_NOTADB) {
            throw DatabaseError(QStringLiteral("o arquivo não é um banco de dados válido."));
        }
        throw;
    }
    if (!accepted) {
        throw DatabaseError(QStringLiteral("senha inválida."));
    }
}

void Database::registerFunctions() {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db_, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db_, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(db_, "words_match", 2, flags, texts_.get(), wordsMatchFunction,
                            nullptr, nullptr);
    PortugueseCollation::registerWith(db_);
}

void Database::createScratchTables() {
    // Kept in memory: adding thousands of marks pays no disk sync, and the
    // file itself is never written for them.
    execute(QStringLiteral("PRAGMA temp_store = MEMORY"));
    execute(QStringLiteral("CREATE TEMP TABLE LABELS2 (cod INTEGER, ctr INTEGER)"));
    // Narrowing and stepping back look a level's marks up.
    execute(QStringLiteral("CREATE INDEX temp.LABELS2_ctr ON LABELS2 (ctr, cod)"));
}

void Database::fail(const QString& context) const {
    throw DatabaseError(context + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db_)));
}

int Database::countRows(const QString& sql, const MessagePump& pump) {
    Statement statement(*this, QStringLiteral("select count(*) from (") + sql + u')');
    const int rows = statement.step() ? sqlite3_column_int(statement.get(), 0) : 0;
    if (pump) {
        pump();
    }
    return rows;
}

QString Database::readOneValue(const QString& sql, QStringView column) {
    Statement statement(*this, sql);
    if (!statement.step()) {
        return {};
    }
    return Row(statement.get()).field(column);
}

int Database::list(const QString& sql, const RowHandler& handler, const MessagePump& pump) {
    Statement statement(*this, sql);
    int rows = 0;
    std::optional<Row> row;
    while (statement.step()) {
        if (!row) {
            row.emplace(statement.get());
        }
        handler(*row);
        ++rows;
    }
    if (pump) {
        pump();
    }
    return rows;
}

void Database::execute(const QString& sql) {
    Statement statement(*this, sql);
    while (statement.step()) {
    }
}

void Database::executeForEach(const QString& sql, const QStringList& values) {
    execute(QStringLiteral("SAVEPOINT batch"));
    try {
        Statement statement(*this, sql);
        for (const QString& value : values) {
            const QByteArray text = value.toUtf8();
            sqlite3_bind_text(statement.get(), 1, text.constData(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            while (statement.step()) {
            }
            sqlite3_reset(statement.get());
        }
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK TO batch; RELEASE batch", nullptr, nullptr, nullptr);
        throw;
    }
    execute(QStringLiteral("RELEASE batch"));
}

bool Database::isReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }


}  // namespace corvanel
