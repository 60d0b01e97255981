#pragma once

#include <QSettings>
#include <QString>

#include <optional>

namespace corvanel {

// The user's own settings file, an INI file in the user's configuration
// folder (~/.config/Corvanel/corvanel.conf on Linux). Everything the
// program remembers between runs lives here, and so does what it would
// otherwise write into a collection that the user may only read.
//
// A damaged or unreadable file costs the user nothing but the remembered
// values: it is set aside beside itself (".danificado") and the program goes
// on with defaults. QSettings writes the file whole, through a temporary file
// renamed over it; a symbolic link in its place is first replaced by a copy,
// so the file it leads to is never written.
class UserSettings {
public:
    // The user's own file.
    UserSettings();
    // Any other file (tests, a portable install).
    explicit UserSettings(const QString& filePath);

    static QString defaultFilePath();
    QString filePath() const { return settings_.fileName(); }

    // The collection folder the program opened last; empty when none was
    // remembered.
    QString lastCollectionFolder() const;
    void rememberCollectionFolder(const QString& folder);

    // The content root the user chose for the collection in collectionFolder
    // when that collection could not store it itself.
    std::optional<QString> contentRootFor(const QString& collectionFolder) const;
    void storeContentRoot(const QString& collectionFolder, const QString& contentRoot);

    // Writes pending changes now. False when the file could not be written.
    bool sync();

    // For settings of other parts of the program (each under a group of its own).
    QSettings& raw() { return settings_; }

private:
    // Reading an array moves QSettings' cursor, even for a reader.
    mutable QSettings settings_;
};

}  // namespace corvanel
