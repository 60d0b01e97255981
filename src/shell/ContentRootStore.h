#pragma once

#include <QString>

// Storing the folder of the collection's content, which the program reads
// at its next start.
namespace corvanel::ContentRootStore {

// The folder of a picked file, with its closing separator, in the system's
// own notation (E:\ for a file at the root of drive E).
QString folderOf(const QString& filePath);

// Writes folder as the content root of the database in programFolder, over a
// connection of its own. Throws DatabaseError when the folder could not be
// stored where start-up reads it.
void store(const QString& programFolder, const QString& folder);

}  // namespace corvanel::ContentRootStore
