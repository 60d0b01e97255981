#pragma once

#include <QString>

namespace corvanel::collection {

// Writes the search index into a collection built without it (or again over
// the one it has): into a copy beside it, renamed over it when complete, so
// a failure or a kill leaves the file as it was and readers never wait.
// path: the database file or the collection folder holding db3.mdb. Returns
// the database file written. Throws BuildError.
QString reindex(const QString& path);

}  // namespace corvanel::collection
