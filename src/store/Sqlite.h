#pragma once

#include "DatabaseError.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_stmt;
struct sqlite3_blob;
struct sqlite3_value;

// The program's one layer over SQLite's C API: a connection, its prepared
// statements with typed binds and columns, savepoints, and the SQL functions
// and collations the store defines. Every failure raises DatabaseError with
// the engine's message after a Portuguese account of what was being done.
namespace corvanel::sqlite {

class FunctionCall;
struct FileStamp;

enum class OpenMode {
    ReadOnly,
    ReadWrite,  // the file must exist
    Create,     // read and write, creating the file when missing
};

// A connection to a file that exists refuses what the file's schema could
// make it run: it is defensive (SQLITE_DBCONFIG_DEFENSIVE) and trusts no
// schema (trusted_schema off). Every connection reads the file, never a
// memory map of it. A
// read-only connection remembers the file as it was opened, so that a file
// replaced or removed underneath is told apart from a damaged one.
// A row that an FTS5 phrase matches (Fts5Query::forEachRowOf).
class Fts5Row {
public:
    std::int64_t rowid() const;
    // The places where the phrase matches the row, and the token each
    // begins at, ascending.
    int matchCount() const;
    int matchOffset(int match) const;

private:
    friend struct QueryFunctionTrampoline;
    Fts5Row(const void* api, void* context) : api_(api), context_(context) {}

    const void* api_;  // Fts5ExtensionApi
    void* context_;    // Fts5Context
};

// What an FTS5 auxiliary function defined by Connection::defineQueryFunction
// may ask of the query it is called in.
class Fts5Query {
public:
    using RowVisitor = std::function<void(const Fts5Row&)>;

    int phraseCount() const;
    // Hands every row of the table that phrase matches to visit, without a
    // statement step for each. Throws DatabaseError, and what visit throws.
    void forEachRowOf(int phrase, const RowVisitor& visit) const;
    // The tokens of a text as the table's tokenizer reads it.
    int tokenCount(std::string_view text) const;

private:
    friend struct QueryFunctionTrampoline;
    Fts5Query(const void* api, void* context) : api_(api), context_(context) {}

    const void* api_;
    void* context_;
};

class Connection {
public:
    using Function = std::function<void(FunctionCall&)>;
    using QueryFunction = std::function<void(const Fts5Query&)>;
    // Negative, zero or positive, as strcmp, over UTF-8 texts.
    using Collation = std::function<int(std::string_view, std::string_view)>;

    Connection(const QString& path, OpenMode mode);
    ~Connection();
    Connection(Connection&&) noexcept;
    Connection& operator=(Connection&&) noexcept;

    // Runs SQL text of one or more statements whose rows, if any, are not
    // needed: schemas, pragmas, transactions.
    void executeScript(const char* sql);

    // How long a statement waits for another connection's lock to go.
    void setBusyTimeout(int milliseconds);

    bool isReadOnly() const;

    // Defines a deterministic scalar function over UTF-8 texts, replacing a
    // built-in one of that name and argument count. The connection keeps
    // body until it closes; an exception from body becomes the statement's
    // error.
    void defineFunction(const char* name, int argumentCount, Function body);

    void defineCollation(const char* name, Collation compare);

    // Defines an FTS5 auxiliary function name(table), which hands the query
    // it is called in to body and gives null. The connection keeps body
    // until it closes; an exception from body becomes the statement's error.
    void defineQueryFunction(const char* name, QueryFunction body);

    // Closes now and reports a failure, instead of on destruction.
    void close();

private:
    friend class Statement;
    friend class ValueReader;

    struct Closer {
        void operator()(sqlite3* db) const;
    };

    sqlite3* handle() const;
    [[noreturn]] void fail(const QString& context, int resultCode) const;

    std::unique_ptr<sqlite3, Closer> db_;
    // Held apart so that statements keep it across a move of the connection.
    std::unique_ptr<const FileStamp> stamp_;
};

// One prepared statement of a connection, finalised when it goes. The
// connection must outlive it.
class Statement {
public:
    // Prepares exactly one statement.
    Statement(Connection& connection, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Positions count from 1; names are written with their prefix (":words").
    // A text is always bound as text, a null QString as an empty one.
    void bind(int position, std::int64_t value);
    void bind(int position, int value) { bind(position, static_cast<std::int64_t>(value)); }
    void bind(int position, const QString& text);
    void bind(int position, const QByteArray& blob);
    // Text already in UTF-8, bound without converting it.
    void bindUtf8(int position, std::string_view utf8);
    void bind(int position, std::nullptr_t);
    template <typename Value>
    void bind(const char* name, const Value& value) {
        bind(parameterPosition(name), value);
    }

    // Runs to the next row: true while there is one to read.
    bool step();
    // Ready to run again from the start, keeping its values.
    void reset();

    int columnCount() const;
    // Columns of the current row, counted from 0.
    std::int64_t int64(int column) const;
    QString text(int column) const;
    // Valid until the next step or reset.
    std::string_view utf8(int column) const;
    QByteArray blob(int column) const;
    bool isNull(int column) const;

private:
    friend class Connection;

    int parameterPosition(const char* name) const;
    void checkBind(int resultCode, int position) const;

    sqlite3* db_ = nullptr;
    const FileStamp* stamp_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

// Reads one column's value of a row piece by piece (incremental blob
// I/O), so that a long text need not be read whole.
class ValueReader {
public:
    ValueReader(Connection& connection, const char* table, const char* column);
    ~ValueReader();
    ValueReader(const ValueReader&) = delete;
    ValueReader& operator=(const ValueReader&) = delete;

    // Moves to the row; its value's size in bytes.
    int open(std::int64_t rowid);
    // Reads size bytes at offset of the row's value into out.
    void read(char* out, int size, int offset);

private:
    Connection& connection_;
    const char* table_;
    const char* column_;
    sqlite3_blob* blob_ = nullptr;
};

// A savepoint: what runs while it stands is undone when it goes without
// release(), as when an exception leaves the scope.
class Savepoint {
public:
    explicit Savepoint(Connection& connection);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void release();

private:
    Connection& connection_;
    bool released_ = false;
};

// The arguments and the result of one call of a function defined with
// Connection::defineFunction.
class FunctionCall {
public:
    int argumentCount() const { return argumentCount_; }
    bool isNull(int argument) const;
    std::int64_t int64(int argument) const;
    std::string_view utf8(int argument) const;

    void setResult(bool value);
    void setNull();
    void setError(const QString& message);

    // What the function works out from one argument, kept for as long as the
    // engine lets it: for the whole statement when the argument is a literal
    // or a bound value. make returns the value, or null after setting an
    // error; an exception from make becomes the error. Null after an error.
    template <typename T, typename Make>
    T* keep(int argument, Make&& make) {
        if (auto* kept = static_cast<T*>(keptValue(argument))) {
            return kept;
        }
        std::unique_ptr<T> made;
        try {
            made = make();
        } catch (const std::exception& error) {
            setError(QString::fromUtf8(error.what()));
            return nullptr;
        }
        if (!made) {
            return nullptr;
        }
        storeValue(argument, made.release(), [](void* value) { delete static_cast<T*>(value); });
        return static_cast<T*>(keptValue(argument));
    }

private:
    friend struct FunctionTrampoline;

    FunctionCall(sqlite3_context* context, int argumentCount, sqlite3_value** arguments)
        : context_(context), argumentCount_(argumentCount), arguments_(arguments) {}

    void* keptValue(int argument) const;
    // The engine may drop the value at once: keptValue() is null then, and
    // the call has failed.
    void storeValue(int argument, void* value, void (*destroy)(void*));

    sqlite3_context* context_;
    int argumentCount_;
    sqlite3_value** arguments_;
};

// Whether error says that a file is not an SQLite database at all, or one
// whose pages are damaged.
bool isNotADatabase(const DatabaseError& error);
bool isDamaged(const DatabaseError& error);

// The account of a file that was replaced or removed while it was open.
QString changedFileMessage();

// A stored value out of the range the collection allows, told as the
// engine tells a damaged file (isDamaged), what is wrong as its detail.
DatabaseError damagedValue(const QString& what);

}  // namespace corvanel::sqlite
