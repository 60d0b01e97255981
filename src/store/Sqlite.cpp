#include "Sqlite.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

namespace corvanel::sqlite {

// A read-only connection's file as it was when opened.
struct FileStamp {
    QString path;
    qint64 size = 0;
    QDateTime modified;
};

namespace {

constexpr int primary(int resultCode) {
    return resultCode & 0xff;
}

// The engine's own account of a failure: its message when the connection
// holds one for this failure, otherwise the text of the code.
QString engineMessage(sqlite3* db, int resultCode) {
    if (db != nullptr && primary(sqlite3_extended_errcode(db)) == primary(resultCode)) {
        return QString::fromUtf8(sqlite3_errmsg(db));
    }
    return QString::fromUtf8(sqlite3_errstr(resultCode));
}

// Whether the file was renamed, removed or written over since it was opened:
// the engine's own test of the first two, size and time for the last.
bool changedSinceOpened(sqlite3* db, const FileStamp* stamp) {
    if (stamp == nullptr) {
        return false;
    }
    int moved = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
        moved != 0) {
        return true;
    }
    const QFileInfo now(stamp->path);
    return !now.exists() || now.size() != stamp->size || now.lastModified() != stamp->modified;
}

// Faults of the file itself are told in Portuguese, the engine's words
// after them as a detail.
QString accountOf(sqlite3* db, const FileStamp* stamp, int resultCode, const QString& reason) {
    const int code = primary(resultCode);
    // A file emptied underneath reads as one without tables: any failure but
    // waiting for another program may come from a change.
    const bool waiting = code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_INTERRUPT;
    if (!waiting && changedSinceOpened(db, stamp)) {
        return changedFileMessage() + u" (" + reason + u')';
    }
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        return u"o arquivo da coleção está danificado (" + reason + u')';
    }
    if (code == SQLITE_IOERR) {
        return u"o arquivo da coleção não pôde ser lido (" + reason + u')';
    }
    return reason;
}

[[noreturn]] void raise(sqlite3* db, const FileStamp* stamp, const QString& context,
                        int resultCode) {
    const QString reason = engineMessage(db, resultCode);
    throw DatabaseError(context + u": " + accountOf(db, stamp, resultCode, reason),
                        primary(resultCode), reason);
}

// What a file's schema could make a connection do is refused.
void distrustSchema(sqlite3* db) {
    for (const auto& [option, value] :
         {std::pair{SQLITE_DBCONFIG_DEFENSIVE, 1}, std::pair{SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0}}) {
        int now = -1;
        if (sqlite3_db_config(db, option, value, &now) != SQLITE_OK || now != value) {
            throw DatabaseError(
                QStringLiteral("Não foi possível proteger a conexão com o banco de dados."));
        }
    }
}

// A memory map of a file that is replaced meanwhile ends the process with
// SIGBUS; reads into the engine's own pages only fail.
void readWithoutMap(sqlite3* db) {
    sqlite3_int64 noMap = 0;
    static_cast<void>(sqlite3_file_control(db, "main", SQLITE_FCNTL_MMAP_SIZE, &noMap));
}

QString commandError() {
    return QStringLiteral("Erro no comando enviado ao banco de dados");
}

std::string_view textOf(const unsigned char* text, int bytes) {
    return text == nullptr
               ? std::string_view()
               : std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes));
}

int byteOrder(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    const int bytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (bytes != 0) {
        return bytes;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int compareWith(void* collation, int lengthA, const void* a, int lengthB, const void* b) {
    const std::string_view first(static_cast<const char*>(a), static_cast<size_t>(lengthA));
    const std::string_view second(static_cast<const char*>(b), static_cast<size_t>(lengthB));
    try {
        return (*static_cast<Connection::Collation*>(collation))(first, second);
    } catch (...) {
        // Nothing may cross back into the engine; byte order still sorts.
        return byteOrder(first, second);
    }
}

}  // namespace

// The C entry points of the functions a connection defines.
struct FunctionTrampoline {
    static void call(sqlite3_context* context, int argumentCount, sqlite3_value** arguments) {
        FunctionCall call(context, argumentCount, arguments);
        try {
            (*static_cast<Connection::Function*>(sqlite3_user_data(context)))(call);
        } catch (const std::exception& error) {
            sqlite3_result_error(context, error.what(), -1);
        } catch (...) {
            sqlite3_result_error(context, "erro desconhecido", -1);
        }
    }

    static void destroy(void* body) { delete static_cast<Connection::Function*>(body); }
};

struct QueryFunctionTrampoline {
    static void call(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_context* context,
                     int /*argumentCount*/, sqlite3_value** /*arguments*/) {
        try {
            const Fts5Query query(api, fts);
            (*static_cast<Connection::QueryFunction*>(api->xUserData(fts)))(query);
            sqlite3_result_null(context);
        } catch (const std::exception& error) {
            sqlite3_result_error(context, error.what(), -1);
        } catch (...) {
            sqlite3_result_error(context, "erro desconhecido", -1);
        }
    }

    static void destroy(void* body) { delete static_cast<Connection::QueryFunction*>(body); }

    // Called by the engine for each row of forEachRowOf: what the visitor
    // throws is held and thrown again once the engine has returned.
    struct Visit {
        const Fts5Query::RowVisitor* visit;
        std::exception_ptr error;
    };

    static int row(const Fts5ExtensionApi* api, Fts5Context* fts, void* visitPointer) {
        auto* visit = static_cast<Visit*>(visitPointer);
        try {
            (*visit->visit)(Fts5Row(api, fts));
            return SQLITE_OK;
        } catch (...) {
            visit->error = std::current_exception();
            return SQLITE_ABORT;
        }
    }

    static int token(void* count, int /*flags*/, const char* /*token*/, int /*length*/,
                     int /*start*/, int /*end*/) {
        ++*static_cast<int*>(count);
        return SQLITE_OK;
    }
};

namespace {

const Fts5ExtensionApi& extensionApi(const void* api) {
    return *static_cast<const Fts5ExtensionApi*>(api);
}

// A failure of the engine while it reads rows it just matched is damage.
int checked(int resultCode, int value) {
    if (resultCode != SQLITE_OK) {
        throw DatabaseError(QStringLiteral("O índice de palavras está danificado (%1).")
                                .arg(QString::fromUtf8(sqlite3_errstr(resultCode))));
    }
    return value;
}

}  // namespace

std::int64_t Fts5Row::rowid() const {
    return extensionApi(api_).xRowid(static_cast<Fts5Context*>(context_));
}

int Fts5Row::matchCount() const {
    int matches = 0;
    const int rc = extensionApi(api_).xInstCount(static_cast<Fts5Context*>(context_), &matches);
    return checked(rc, matches);
}

int Fts5Row::matchOffset(int match) const {
    int phrase = 0;
    int column = 0;
    int offset = 0;
    const int rc = extensionApi(api_).xInst(static_cast<Fts5Context*>(context_), match, &phrase,
                                            &column, &offset);
    return checked(rc, offset);
}

int Fts5Query::phraseCount() const {
    return extensionApi(api_).xPhraseCount(static_cast<Fts5Context*>(context_));
}

void Fts5Query::forEachRowOf(int phrase, const RowVisitor& visit) const {
    QueryFunctionTrampoline::Visit state{&visit, nullptr};
    const int rc = extensionApi(api_).xQueryPhrase(static_cast<Fts5Context*>(context_), phrase,
                                                   &state, QueryFunctionTrampoline::row);
    if (state.error) {
        std::rethrow_exception(state.error);
    }
    checked(rc, 0);
}

int Fts5Query::tokenCount(std::string_view text) const {
    int count = 0;
    const int rc = extensionApi(api_).xTokenize(static_cast<Fts5Context*>(context_), text.data(),
                                                static_cast<int>(text.size()), &count,
                                                QueryFunctionTrampoline::token);
    return checked(rc, count);
}

void Connection::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

Connection::Connection(const QString& path, OpenMode mode) {
    int flags = SQLITE_OPEN_READONLY;
    if (mode == OpenMode::ReadWrite) {
        flags = SQLITE_OPEN_READWRITE;
    } else if (mode == OpenMode::Create) {
        flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    if (mode == OpenMode::ReadOnly) {
        const QFileInfo file(path);
        stamp_ = std::make_unique<const FileStamp>(
            FileStamp{file.absoluteFilePath(), file.size(), file.lastModified()});
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    // Even a failed open may leave a handle to close.
    db_.reset(db);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível abrir o banco de dados \"%1\"").arg(path), rc);
    }
    const int extended = sqlite3_extended_result_codes(db, 1);
    if (extended != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível abrir o banco de dados \"%1\"").arg(path), extended);
    }
    // A file the program creates is its own: the builder's journal_mode=OFF
    // is one of the things a defensive connection refuses.
    if (mode != OpenMode::Create) {
        distrustSchema(db);
    }
    readWithoutMap(db);
}

Connection::~Connection() = default;
Connection::Connection(Connection&&) noexcept = default;
Connection& Connection::operator=(Connection&&) noexcept = default;

ValueReader::ValueReader(Connection& connection, const char* table, const char* column)
    : connection_(connection), table_(table), column_(column) {}

ValueReader::~ValueReader() {
    if (blob_ != nullptr) {
        sqlite3_blob_close(blob_);
    }
}

int ValueReader::open(std::int64_t rowid) {
    const int rc = blob_ == nullptr ? sqlite3_blob_open(connection_.handle(), "main", table_,
                                                        column_, rowid, 0, &blob_)
                                    : sqlite3_blob_reopen(blob_, rowid);
    if (rc != SQLITE_OK) {
        connection_.fail(commandError(), rc);
    }
    return sqlite3_blob_bytes(blob_);
}

void ValueReader::read(char* out, int size, int offset) {
    const int rc = sqlite3_blob_read(blob_, out, size, offset);
    if (rc != SQLITE_OK) {
        connection_.fail(commandError(), rc);
    }
}

sqlite3* Connection::handle() const {
    if (!db_) {
        throw DatabaseError(QStringLiteral("O banco de dados já foi fechado."));
    }
    return db_.get();
}

void Connection::fail(const QString& context, int resultCode) const {
    raise(db_.get(), stamp_.get(), context, resultCode);
}

void Connection::executeScript(const char* sql) {
    const int rc = sqlite3_exec(handle(), sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        fail(commandError(), rc);
    }
}

void Connection::setBusyTimeout(int milliseconds) {
    const int rc = sqlite3_busy_timeout(handle(), milliseconds);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível configurar a espera pelo banco de dados"), rc);
    }
}

bool Connection::isReadOnly() const {
    return sqlite3_db_readonly(handle(), "main") == 1;
}

void Connection::defineFunction(const char* name, int argumentCount, Function body) {
    // The engine destroys the copy itself, also when the definition fails.
    const int rc = sqlite3_create_function_v2(
        handle(), name, argumentCount, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
        new Function(std::move(body)), FunctionTrampoline::call, nullptr, nullptr,
        FunctionTrampoline::destroy);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível definir a função %1 no banco de dados")
                 .arg(QString::fromUtf8(name)),
             rc);
    }
}

void Connection::defineCollation(const char* name, Collation compare) {
    // Unlike a function's, a collation's copy is ours again when the definition fails.
    auto kept = std::make_unique<Collation>(std::move(compare));
    const int rc = sqlite3_create_collation_v2(
        handle(), name, SQLITE_UTF8, kept.get(), compareWith,
        [](void* collation) { delete static_cast<Collation*>(collation); });
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível definir a ordem alfabética %1 no banco de dados")
                 .arg(QString::fromUtf8(name)),
             rc);
    }
    // SQLite owns it now and deletes it through the destructor above.
    static_cast<void>(kept.release());
}

void Connection::defineQueryFunction(const char* name, QueryFunction body) {
    // The engine hands out its FTS5 interface through a pointer bound to
    // this one query.
    fts5_api* fts5 = nullptr;
    {
        Statement query(*this, "select fts5(?1)");
        const int rc = sqlite3_bind_pointer(query.statement_, 1, static_cast<void*>(&fts5),
                                            "fts5_api_ptr", nullptr);
        query.checkBind(rc, 1);
        query.step();
    }
    if (fts5 == nullptr || fts5->iVersion < 2) {
        throw DatabaseError(
            QStringLiteral("Esta versão do SQLite não oferece as funções de busca FTS5."));
    }
    // Unlike a scalar function's, the copy is ours again when the definition fails.
    auto kept = std::make_unique<QueryFunction>(std::move(body));
    const int rc = fts5->xCreateFunction(fts5, name, kept.get(), QueryFunctionTrampoline::call,
                                         QueryFunctionTrampoline::destroy);
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível definir a função %1 no banco de dados")
                 .arg(QString::fromUtf8(name)),
             rc);
    }
    static_cast<void>(kept.release());
}

void Connection::close() {
    const int rc = sqlite3_close(handle());
    if (rc != SQLITE_OK) {
        fail(QStringLiteral("Não foi possível fechar o banco de dados"), rc);
    }
    static_cast<void>(db_.release());
}

Statement::Statement(Connection& connection, std::string_view sql)
    : db_(connection.handle()), stamp_(connection.stamp_.get()) {
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_, &tail);
    if (rc != SQLITE_OK) {
        raise(db_, stamp_, commandError(), rc);
    }
    if (statement_ == nullptr) {
        throw DatabaseError(commandError() + QStringLiteral(": o comando está vazio."));
    }
    // One statement at a time: anything after it would be a second one.
    const std::string_view rest(tail, static_cast<size_t>(sql.data() + sql.size() - tail));
    if (!QByteArray(rest.data(), static_cast<qsizetype>(rest.size())).trimmed().isEmpty()) {
        sqlite3_finalize(statement_);
        throw DatabaseError(commandError() +
                            QStringLiteral(": há mais de uma instrução no texto."));
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stamp_(other.stamp_), statement_(std::exchange(other.statement_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(statement_);
        db_ = other.db_;
        stamp_ = other.stamp_;
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

void Statement::checkBind(int resultCode, int position) const {
    if (resultCode != SQLITE_OK) {
        raise(
            db_, stamp_,
            QStringLiteral("Erro ao passar o valor %1 ao comando do banco de dados").arg(position),
            resultCode);
    }
}

void Statement::bind(int position, std::int64_t value) {
    checkBind(sqlite3_bind_int64(statement_, position, value), position);
}

void Statement::bind(int position, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    checkBind(sqlite3_bind_text64(statement_, position, bytes.isNull() ? "" : bytes.constData(),
                                  static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT,
                                  SQLITE_UTF8),
              position);
}

void Statement::bindUtf8(int position, std::string_view utf8) {
    checkBind(sqlite3_bind_text64(statement_, position, utf8.empty() ? "" : utf8.data(),
                                  static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT,
                                  SQLITE_UTF8),
              position);
}

void Statement::bind(int position, const QByteArray& blob) {
    checkBind(sqlite3_bind_blob64(statement_, position, blob.isNull() ? "" : blob.constData(),
                                  static_cast<sqlite3_uint64>(blob.size()), SQLITE_TRANSIENT),
              position);
}

void Statement::bind(int position, std::nullptr_t) {
    checkBind(sqlite3_bind_null(statement_, position), position);
}

int Statement::parameterPosition(const char* name) const {
    const int position = sqlite3_bind_parameter_index(statement_, name);
    if (position == 0) {
        throw DatabaseError(
            commandError() +
            QStringLiteral(": o comando não tem o parâmetro %1.").arg(QString::fromUtf8(name)));
    }
    return position;
}

bool Statement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        raise(db_, stamp_, QStringLiteral("Erro ao consultar o banco de dados"), rc);
    }
    return false;
}

void Statement::reset() {
    // The code returned repeats the last step's failure, which step() reported.
    static_cast<void>(sqlite3_reset(statement_));
}

int Statement::columnCount() const {
    return sqlite3_column_count(statement_);
}

std::int64_t Statement::int64(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string_view Statement::utf8(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return textOf(text, sqlite3_column_bytes(statement_, column));
}

QString Statement::text(int column) const {
    const std::string_view bytes = utf8(column);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QByteArray Statement::blob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return QByteArray(data, sqlite3_column_bytes(statement_, column));
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

Savepoint::Savepoint(Connection& connection) : connection_(connection) {
    connection_.executeScript("SAVEPOINT corvanel_batch");
}

Savepoint::~Savepoint() {
    if (!released_) {
        try {
            connection_.executeScript("ROLLBACK TO corvanel_batch; RELEASE corvanel_batch");
        } catch (const DatabaseError&) {
            // The failure that brought us here is the one worth reporting.
        }
    }
}

void Savepoint::release() {
    connection_.executeScript("RELEASE corvanel_batch");
    released_ = true;
}

bool FunctionCall::isNull(int argument) const {
    return sqlite3_value_type(arguments_[argument]) == SQLITE_NULL;
}

std::int64_t FunctionCall::int64(int argument) const {
    return sqlite3_value_int64(arguments_[argument]);
}

std::string_view FunctionCall::utf8(int argument) const {
    const unsigned char* text = sqlite3_value_text(arguments_[argument]);
    return textOf(text, sqlite3_value_bytes(arguments_[argument]));
}

void FunctionCall::setResult(bool value) {
    sqlite3_result_int(context_, value ? 1 : 0);
}

void FunctionCall::setNull() {
    sqlite3_result_null(context_);
}

void FunctionCall::setError(const QString& message) {
    const QByteArray text = message.toUtf8();
    sqlite3_result_error(context_, text.constData(), static_cast<int>(text.size()));
}

void* FunctionCall::keptValue(int argument) const {
    return sqlite3_get_auxdata(context_, argument);
}

void FunctionCall::storeValue(int argument, void* value, void (*destroy)(void*)) {
    sqlite3_set_auxdata(context_, argument, value, destroy);
    if (sqlite3_get_auxdata(context_, argument) == nullptr) {
        sqlite3_result_error_nomem(context_);
    }
}

bool isNotADatabase(const DatabaseError& error) {
    return error.engineCode() == SQLITE_NOTADB;
}

bool isDamaged(const DatabaseError& error) {
    return error.engineCode() == SQLITE_CORRUPT;
}

DatabaseError damagedValue(const QString& what) {
    return DatabaseError(QStringLiteral("Erro ao consultar o banco de dados: o arquivo da coleção "
                                        "está danificado (%1).")
                             .arg(what),
                         SQLITE_CORRUPT, what);
}

QString changedFileMessage() {
    return QStringLiteral("a coleção foi alterada ou removida; abra-a de novo");
}

}  // namespace corvanel::sqlite
