#include "ContentRootStore.h"

#include "DatabaseError.h"
#include "UserSettings.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel::ContentRootStore {

QString folderOf(const QString& filePath) {
    QString folder = QDir::toNativeSeparators(QFileInfo(filePath).absolutePath());
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder;
}

StoredIn store(const QString& programFolder, const QString& folder) {
    UserSettings settings;
    settings.storeContentRoot(programFolder, folder);
    if (!settings.sync()) {
        throw DatabaseError(
            QStringLiteral("A pasta não pôde ser guardada: o arquivo de configurações \"%1\" "
                           "não pôde ser gravado.")
                .arg(QDir::toNativeSeparators(settings.filePath())));
    }
    return StoredIn::UserSettings;
}

namespace {

// A stored root as the database holds it, read from the collection's own
// folder when it is relative. A Windows root such as "D:\" is no relative
// path, only a missing one.
ContentFolder storedFolder(const QString& ownFolder, const QString& storedRoot) {
    const bool relative = QDir::isRelativePath(storedRoot) && !storedRoot.contains(u'\\');
    return ContentFolder::fromRoot(relative ? QDir(ownFolder).filePath(storedRoot) : storedRoot);
}

}  // namespace

ContentFolder chooseContentFolder(const QString& programFolder, const QString& storedRoot,
                                  const std::optional<QString>& usersChoice) {
    const QString ownFolder = QFileInfo(programFolder).absoluteFilePath();
    const ContentFolder own = ContentFolder::fromRoot(ownFolder);
    const bool ownPages = QFileInfo(QDir(ownFolder).filePath(QStringLiteral("textos"))).isDir();
    ContentFolder stored =
        storedRoot.trimmed().isEmpty() ? ContentFolder() : storedFolder(ownFolder, storedRoot);
    if (ownPages && stored.isValid() && !own.containsPath(stored.path())) {
        stored = {};
    }
    ContentFolder collections = stored.isValid() ? stored : ownPages ? own : ContentFolder();
    if (collections.hasMarkerFile()) {
        return collections;
    }
    if (usersChoice) {
        ContentFolder chosen = ContentFolder::fromRoot(*usersChoice);
        if (chosen.hasMarkerFile()) {
            return chosen;
        }
    }
    return collections;
}

}  // namespace corvanel::ContentRootStore
