#pragma once

namespace corvanel {
class Database;
}

namespace corvanel::web {

struct Site;

// The calling thread's own connection to the site's collection, opened on
// its first request and kept until the collection is opened anew: a Database
// serves one thread at a time, and the server's worker threads live as long
// as it does.
Database& workerDatabase(const Site& site);

}  // namespace corvanel::web
