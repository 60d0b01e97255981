#pragma once

#include <QString>

#include <memory>

namespace corvanel {

class Database;

// The result list's connection to the collection's database, opened at
// creation and kept for the whole run. A request that finds it closed
// (creation could not open the file) tries to open it again, so the user
// reads the reason in the error box and the program recovers once the file
// is back.
class DatabaseConnection {
public:
    DatabaseConnection();
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    // Opens the database and starts indexing its texts for the key-word
    // searches. Throws DatabaseError; the connection string is kept for
    // later attempts all the same.
    void open(const QString& connectionString);

    // The open database, opened now when it is not. Throws DatabaseError.
    Database& connect();

    // Null while closed.
    Database* database() const { return database_.get(); }

private:
    QString connectionString_;
    std::unique_ptr<Database> database_;
};

}  // namespace corvanel
