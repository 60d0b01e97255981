#include "DatabasePassword.h"

#include "DatabaseError.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <sqlite3.h>

#include <array>

namespace corvanel::DatabasePassword {

namespace {

constexpr int kRounds = 20000;

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

class PreparedStatement {
public:
    PreparedStatement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) {
            const QString message = engineMessage(db);
            sqlite3_finalize(statement_);
            throw DatabaseError(message);
        }
    }
    ~PreparedStatement() { sqlite3_finalize(statement_); }
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    sqlite3_stmt* get() const { return statement_; }
    int step() { return sqlite3_step(statement_); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

QByteArray blobColumn(sqlite3_stmt* statement, int column) {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return QByteArray(data, sqlite3_column_bytes(statement, column));
}

bool tableExists(sqlite3* db) {
    PreparedStatement query(
        db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'database_password'");
    const int rc = query.step();
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        throw DatabaseError(engineMessage(db));
    }
    return rc == SQLITE_ROW;
}

}  // namespace

QByteArray digest(const QByteArray& salt, const QString& password) {
    const QByteArray secret = password.toUtf8();
    QByteArray value = salt + secret;
    for (int round = 0; round < kRounds; ++round) {
        value = QCryptographicHash::hash(QByteArray(value + salt + secret), QCryptographicHash::Sha256);
    }
    return value;
}

void store(sqlite3* db, const QString& password) {
    char* error = nullptr;
    if (sqlite3_exec(db,
                     "CREATE TABLE IF NOT EXISTS database_password "
                     "(salt BLOB NOT NULL, digest BLOB NOT NULL); DELETE FROM database_password;",
                     nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        throw DatabaseError(message);
    }
    std::array<quint32, 4> randomWords{};
    QRandomGenerator::system()->fillRange(randomWords.data(), randomWords.size());
    const QByteArray salt(reinterpret_cast<const char*>(randomWords.data()),
                          static_cast<qsizetype>(sizeof(randomWords)));
    const QByteArray passwordDigest = digest(salt, password);

    PreparedStatement insert(db, "INSERT INTO database_password (salt, digest) VALUES (?, ?)");
    sqlite3_bind_blob(insert.get(), 1, salt.constData(), static_cast<int>(salt.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_blob(insert.get(), 2, passwordDigest.constData(),
                      static_cast<int>(passwordDigest.size()), SQLITE_TRANSIENT);
    if (insert.step() != SQLITE_DONE) {
        throw DatabaseError(engineMessage(db));
    }
}

bool matches(sqlite3* db, const QString& password) {
    if (!tableExists(db)) {
        return password.isEmpty();
    }
    PreparedStatement query(db, "SELECT salt, digest FROM database_password");
    const int rc = query.step();
    if (rc == SQLITE_DONE) {
        return password.isEmpty();
    }
    if (rc != SQLITE_ROW) {
        throw DatabaseError(engineMessage(db));
    }
    return digest(blobColumn(query.get(), 0), password) == blobColumn(query.get(), 1);
}

}  // namespace corvanel::DatabasePassword
