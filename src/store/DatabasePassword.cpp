#include "DatabasePassword.h"

#include "Sqlite.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <array>

namespace corvanel::DatabasePassword {

namespace {

constexpr int kRounds = 20000;

}  // namespace

QByteArray digest(const QByteArray& salt, const QString& password) {
    const QByteArray secret = password.toUtf8();
    QByteArray value = salt + secret;
    for (int round = 0; round < kRounds; ++round) {
        value =
            QCryptographicHash::hash(QByteArray(value + salt + secret), QCryptographicHash::Sha256);
    }
    return value;
}

void store(sqlite::Connection& connection, const QString& password) {
    connection.executeScript(kCreateTable);
    connection.executeScript("DELETE FROM database_password");
    std::array<quint32, 4> randomWords{};
    QRandomGenerator::system()->fillRange(randomWords.data(), randomWords.size());
    const QByteArray salt(reinterpret_cast<const char*>(randomWords.data()),
                          static_cast<qsizetype>(sizeof(randomWords)));

    sqlite::Statement insert(
        connection, "INSERT INTO database_password (salt, digest) VALUES (:salt, :digest)");
    insert.bind(":salt", salt);
    insert.bind(":digest", digest(salt, password));
    insert.step();
}

bool isStored(sqlite::Connection& connection) {
    sqlite::Statement query(
        connection,
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'database_password'");
    return query.step();
}

bool matches(sqlite::Connection& connection, const QString& password) {
    if (!isStored(connection)) {
        return password.isEmpty();
    }
    sqlite::Statement query(connection, "SELECT salt, digest FROM database_password");
    if (!query.step()) {
        return password.isEmpty();
    }
    return digest(query.blob(0), password) == query.blob(1);
}

}  // namespace corvanel::DatabasePassword
