#include "WorkerDatabase.h"

#include "Database.h"

#include <memory>

namespace corvanel::web {

Database& workerDatabase(const QString& connectionString) {
    thread_local std::unique_ptr<Database> database;
    thread_local QString openedFor;
    if (!database || openedFor != connectionString) {
        database.reset();
        database = std::make_unique<Database>(connectionString);
        openedFor = connectionString;
    }
    return *database;
}

}  // namespace corvanel::web
