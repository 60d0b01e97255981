#include "CollectionLocation.h"

#include "ConnectionString.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel {

namespace {

bool holdsDatabase(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(kDatabaseFileName.toString())).isFile();
}

}  // namespace

QString installedCollectionFolder(const QString& programFolder) {
    // Relative, so that an installed tree can be moved or staged as a whole.
    return QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(CORVANEL_INSTALLED_COLLECTION)));
}

QString defaultCollectionFolder(const QString& programFolder) {
    if (holdsDatabase(programFolder)) {
        return programFolder;
    }
    const QString installed = installedCollectionFolder(programFolder);
    return holdsDatabase(installed) ? installed : programFolder;
}

QString namedCollectionFolder(const QString& argument, QString& problem) {
    const QFileInfo named(argument);
    if (named.isDir()) {
        if (holdsDatabase(named.absoluteFilePath())) {
            return named.absoluteFilePath();
        }
        problem = QStringLiteral("a pasta \"%1\" não tem o arquivo %2 de uma coleção")
                      .arg(argument, kDatabaseFileName);
        return {};
    }
    if (named.isFile()) {
        if (named.fileName() == kDatabaseFileName) {
            return named.absolutePath();
        }
        problem = QStringLiteral("\"%1\" não é uma coleção: indique a pasta da coleção ou o seu %2")
                      .arg(argument, kDatabaseFileName);
        return {};
    }
    problem = QStringLiteral("\"%1\" não existe").arg(argument);
    return {};
}

}  // namespace corvanel
