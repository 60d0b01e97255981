#include "ContentRootStore.h"

#include "ConnectionString.h"
#include "ContentAddress.h"
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

QString chooseContentRoot(const QString& programFolder, const QString& databaseRoot) {
    if (ContentAddress::hasMarkerFile(databaseRoot)) {
        return databaseRoot;
    }
    const std::optional<QString> chosen = UserSettings().contentRootFor(programFolder);
    if (chosen && ContentAddress::hasMarkerFile(*chosen)) {
        return *chosen;
    }
    return databaseRoot;
}

}  // namespace corvanel::ContentRootStore
