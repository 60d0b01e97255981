#include "ContentRootStore.h"

#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"

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

void store(const QString& programFolder, const QString& folder) {
    // One statement: every row of CONTROLE changes, or none does.
    Database database(connectionStringFor(programFolder));
    database.storeContentRoot(folder);
    // Without the row that start-up reads, the next start would ask again
    // with nothing said now.
    if (database.contentRoot() != folder) {
        throw DatabaseError(QStringLiteral(
            "A pasta não pôde ser guardada: o banco de dados não tem o registro da pasta "
            "de conteúdo (tabela CONTROLE, topo = 1)."));
    }
}

}  // namespace corvanel::ContentRootStore
