#include "ContentRootStore.h"

#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "UserSettings.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel::ContentRootStore {

namespace {

// SQLite writes a journal beside the database: the folder must take new
// files as well as the file new contents.
bool userMayWrite(const QString& programFolder, const Database& database) {
    const QFileInfo file(QDir(programFolder).filePath(kDatabaseFileName.toString()));
    return !database.isReadOnly() && file.isWritable() && QFileInfo(programFolder).isWritable();
}

StoredIn storeInUserSettings(const QString& programFolder, const QString& folder) {
    UserSettings settings;
    settings.storeContentRoot(programFolder, folder);
    if (!settings.sync()) {
        throw DatabaseError(
            QStringLiteral("A pasta não pôde ser guardada: a coleção é somente leitura e o "
                           "arquivo de configurações \"%1\" não pôde ser gravado.")
                .arg(QDir::toNativeSeparators(settings.filePath())));
    }
    return StoredIn::UserSettings;
}

}  // namespace

QString folderOf(const QString& filePath) {
    QString folder = QDir::toNativeSeparators(QFileInfo(filePath).absolutePath());
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    return folder;
}

StoredIn store(const QString& programFolder, const QString& folder) {
    Database database(connectionStringFor(programFolder));
    if (!userMayWrite(programFolder, database)) {
        return storeInUserSettings(programFolder, folder);
    }
    // One statement: every row of CONTROLE changes, or none does.
    database.storeContentRoot(folder);
    // Without the row that start-up reads, the next start would ask again
    // with nothing said now.
    if (database.contentRoot() != folder) {
        throw DatabaseError(QStringLiteral(
            "A pasta não pôde ser guardada: o banco de dados não tem o registro da pasta "
            "de conteúdo (tabela CONTROLE, topo = 1)."));
    }
    return StoredIn::Collection;
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
