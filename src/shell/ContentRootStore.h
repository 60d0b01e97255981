#pragma once

#include <QString>

// Storing the folder of the collection's content, which the program reads
// at its next start.
namespace corvanel::ContentRootStore {

// The folder of a picked file, with its closing separator, in the system's
// own notation (E:\ for a file at the root of drive E).
QString folderOf(const QString& filePath);

enum class StoredIn {
    Collection,    // the database's own record
    UserSettings,  // the user's settings, for a collection the user may only read
};

// Writes folder as the content root of the collection in programFolder: in its
// database, over a connection of its own, when the user may write the
// collection; else in the user's settings, so a read-only collection (a
// system install, a DVD) is never half written. Throws DatabaseError when
// the folder could not be stored where start-up reads it.
StoredIn store(const QString& programFolder, const QString& folder);

// The content root that start-up uses: the database's own when it holds the
// marker file, else the one the user chose for this collection (user
// settings) when that one holds it, else the database's.
QString chooseContentRoot(const QString& programFolder, const QString& databaseRoot);

}  // namespace corvanel::ContentRootStore
