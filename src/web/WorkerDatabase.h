#pragma once

#include <QString>

namespace corvanel {
class Database;
}

namespace corvanel::web {

// The calling thread's own connection to the collection, opened on its first
// request and kept: a Database serves one thread at a time, and the server's
// worker threads live as long as it does.
Database& workerDatabase(const QString& connectionString);

}  // namespace corvanel::web
