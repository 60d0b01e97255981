#pragma once

#include <QString>

namespace corvanel {

// Where the collection installed with the program lies, seen from the
// program's folder (bin/ → share/corvanel/ in an installed tree).
QString installedCollectionFolder(const QString& programFolder);

// The folder whose db3.mdb the program opens when the command line names
// none: the program's own folder when a db3.mdb lies there (a build, or a
// collection copied beside the program), else the installed collection.
// When neither holds one, the program's folder, whose missing file the
// program reports as it always has.
QString defaultCollectionFolder(const QString& programFolder);

// The collection named on the command line: a folder holding a db3.mdb, or
// the db3.mdb itself. Empty, with the reason in problem, when it is neither.
QString namedCollectionFolder(const QString& argument, QString& problem);

}  // namespace corvanel
