#include "WorkerDatabase.h"

#include "Database.h"
#include "Site.h"

#include <memory>

namespace corvanel::web {

Database& workerDatabase(const Site& site) {
    thread_local std::unique_ptr<Database> database;
    thread_local int openedFor = 0;
    if (!database || openedFor != site.generation) {
        database.reset();
        database = std::make_unique<Database>(site.connectionString);
        openedFor = site.generation;
    }
    return *database;
}

}  // namespace corvanel::web
