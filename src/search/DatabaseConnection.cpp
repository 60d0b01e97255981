#include "DatabaseConnection.h"

#include "Database.h"
#include "DatabaseError.h"

namespace corvanel {

DatabaseConnection::DatabaseConnection() = default;
DatabaseConnection::~DatabaseConnection() = default;

void DatabaseConnection::open(const QString& connectionString) {
    connectionString_ = connectionString;
    database_.reset();
    connect();
}

Database& DatabaseConnection::connect() {
    if (!database_) {
        if (connectionString_.isEmpty()) {
            throw DatabaseError(QStringLiteral("O banco de dados não foi aberto."));
        }
        database_ = std::make_unique<Database>(connectionString_);
        database_->startIndexingTexts();
    }
    return *database_;
}

}  // namespace corvanel
