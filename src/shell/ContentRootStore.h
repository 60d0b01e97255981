#pragma once

#include <QString>

// Storing the folder of the collection's content, which the program reads
// at its next start.
namespace corvanel::ContentRootStore {

// The folder of a picked file, with its closing separator, in the system's
// own notation (E:\ for a file at the root of drive E).
QString folderOf(const QString& filePath);

enum class StoredIn {
    UserSettings,
};

// Writes folder as the content root of the collection in programFolder, in
// the user's settings: a collection is never written by the program, so one
// received from anyone runs nothing when the folder is stored. Throws
// DatabaseError when the settings could not be written.
StoredIn store(const QString& programFolder, const QString& folder);

// The content root that start-up uses: the database's own when it holds the
// marker file, else the one the user chose for this collection (user
// settings) when that one holds it, else the database's.
QString chooseContentRoot(const QString& programFolder, const QString& databaseRoot);

}  // namespace corvanel::ContentRootStore
