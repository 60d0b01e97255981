#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace corvanel {

class TextIndexLoader;

// One row of a result being walked: fields are read by column name, as text,
// without regard to the letter case of the name.
class Row {
public:
    explicit Row(sqlite3_stmt* statement);

    QString field(QStringView column) const;

private:
    sqlite3_stmt* statement_;
    QHash<QString, int> columns_;  // lower-case name -> index
};

// The connection to the collection's database file and the operations the
// windows run on it. Statements arrive as whole SQL text (see Statements.h);
// failures raise DatabaseError with the engine's message.
//
// Marks of a search (table LABELS2) belong to the connection that made them:
// they live in a temporary table that shadows the file's own, so a
// collection on read-only media works and two programs sharing one file
// never see each other's marks.
class Database {
public:
    using RowHandler = std::function<void(const Row&)>;
    using MessagePump = std::function<void()>;

    // Opens the file named by the connection string's Data Source, checking
    // its password. The file is never created.
    explicit Database(const QString& connectionString);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The number of rows of the statement's result, counted by the engine;
    // runs pump once afterwards.
    int countRows(const QString& sql, const MessagePump& pump = {});

    // The column of the first row as text; empty when there is no row.
    QString readOneValue(const QString& sql, QStringView column);

    // Calls handler for every row, runs pump once after the last row, and
    // returns the number of rows.
    int list(const QString& sql, const RowHandler& handler, const MessagePump& pump = {});

    // Runs a statement that returns no rows.
    void execute(const QString& sql);

    // Runs a statement with one parameter (?1) once for each value, all in
    // one transaction: nothing is written unless every run succeeds.
    void executeForEach(const QString& sql, const QStringList& values);

    // Starts reading the collection's texts for the key-word searches in
    // the background (the first search waits for it, or reads them itself).
    void startIndexingTexts();

    bool isReadOnly() const;
    const QString& filePath() const { return filePath_; }

private:
    class Statement;

    void registerFunctions();
    void checkPassword(const QString& password);
    void createScratchTables();
    [[noreturn]] void fail(const QString& context) const;

    sqlite3* db_ = nullptr;
    QString filePath_;
    // Outlives the connection's functions that use it: destroyed after db_ is closed.
    std::unique_ptr<TextIndexLoader> texts_;
};

}  // namespace corvanel
