#include "ContentRootStore.h"

#include "ContentAddress.h"
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
