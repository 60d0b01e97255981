#pragma once

#include "ContentFolder.h"

#include <QString>

#include <optional>

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

// The content folder of the collection in programFolder, decided once as it
// is opened, from the root its database stores (storedRoot):
// - a relative stored root is read from the collection's own folder;
// - the stored root is refused when it names no folder, a folder of the
//   system, or a folder outside the collection's own while textos/ lies
//   beside the database (a received collection reads its own files only);
//   then the collection's own folder stands in when textos/ lies there;
// - when that folder lacks its marker file, the folder the user chose for
//   this collection (usersChoice, from the user's settings) is taken if it
//   holds one.
// No folder at all when none of these exists.
ContentFolder chooseContentFolder(const QString& programFolder, const QString& storedRoot,
                                  const std::optional<QString>& usersChoice);

}  // namespace corvanel::ContentRootStore
