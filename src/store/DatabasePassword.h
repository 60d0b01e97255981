#pragma once

#include <QByteArray>
#include <QString>

namespace corvanel {

namespace sqlite {
class Connection;
}

// The database file carries a salted digest of its password in the table
// database_password; opening compares the password of the connection string
// against it. This keeps the program from working on a file that was not
// built for it; it is a lock on the door, not encryption of the contents.
namespace DatabasePassword {

inline constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS database_password (salt BLOB NOT NULL, digest BLOB NOT NULL)";

QByteArray digest(const QByteArray& salt, const QString& password);

// Creates the table and stores a fresh salt with the digest of password.
// Throws DatabaseError.
void store(sqlite::Connection& connection, const QString& password);

// Whether the file stores a password at all.
bool isStored(sqlite::Connection& connection);

// Whether password is the one the file was built with. A file without a
// stored password accepts only the empty password. Throws DatabaseError when
// the file cannot be read.
bool matches(sqlite::Connection& connection, const QString& password);

}  // namespace DatabasePassword

}  // namespace corvanel
