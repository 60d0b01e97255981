#include "Database.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"
#include "PortugueseCollation.h"
#include "TextMatching.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

#include <optional>

namespace corvanel {

namespace {

std::string_view textArgument(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text == nullptr ? std::string_view()
                           : std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value)));
}

// like(pattern, text [, escape]): SQLite's LIKE operator, made to ignore
// accents as well as letter case. The folded pattern is kept with the
// statement while the pattern argument stays the same.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
    if (pattern == nullptr) {
        char32_t escape = 0;
        if (argc == 3) {
            const std::string escapeText(textArgument(argv[2]));
            const QString escapeString = QString::fromStdString(escapeText);
            if (escapeString.size() != 1) {
                sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
                return;
            }
            escape = escapeString.at(0).unicode();
        }
        pattern = new LikePattern(textArgument(argv[0]), escape);
        sqlite3_set_auxdata(context, 0, pattern,
                            [](void* p) { delete static_cast<LikePattern*>(p); });
        // SQLite may have destroyed it at once; ask again.
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
        if (pattern == nullptr) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    sqlite3_result_int(context, pattern->matches(textArgument(argv[1])) ? 1 : 0);
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
        const QByteArray text = toSqliteDialect(sql).toUtf8();
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
    registerFunctions();
    createScratchTables();
}

Database::~Database() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
    }
}

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
    PortugueseCollation::registerWith(db_);
}

void Database::createScratchTables() {
    // Kept in memory: adding thousands of marks pays no disk sync, and the
    // file itself is never written for them.
    execute(QStringLiteral("PRAGMA temp_store = MEMORY"));
    execute(QStringLiteral("CREATE TEMP TABLE LABELS2 (cod INTEGER, ctr INTEGER)"));
}

void Database::fail(const QString& context) const {
    throw DatabaseError(context + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db_)));
}

int Database::countRows(const QString& sql, const MessagePump& pump) {
    Statement statement(*this, sql);
    int rows = 0;
    std::optional<Row> row;
    while (statement.step()) {
        if (!row) {
            row.emplace(statement.get());
        }
        row->field(u"titulo");
        ++rows;
        if (pump) {
            pump();
        }
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

bool Database::isReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

QString Database::toSqliteDialect(const QString& sql) {
    static const QRegularExpression deleteAll(QStringLiteral("^\\s*DELETE\\s+\\*\\s+FROM\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString translated = sql;
    translated.replace(deleteAll, QStringLiteral("DELETE FROM"));
    return translated;
}

}  // namespace corvanel
