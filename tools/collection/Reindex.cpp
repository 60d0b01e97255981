#include "Reindex.h"

#include "BuildError.h"

#include <DatabaseError.h>
#include <PortugueseCollation.h>
#include <SearchIndex.h>
#include <Sqlite.h>

#include <QDir>
#include <QFileInfo>

namespace corvanel::collection {

namespace {

QString databaseFileAt(const QString& path) {
    const QFileInfo given(path);
    QString file = given.isDir() ? QDir(path).filePath(QStringLiteral("db3.mdb")) : path;
    const QFileInfo info(file);
    if (!info.isFile()) {
        throw BuildError(QStringLiteral("o banco de dados \"%1\" não existe")
                             .arg(QDir::toNativeSeparators(file)));
    }
    if (info.size() == 0) {
        throw BuildError(
            QStringLiteral("o arquivo \"%1\" está vazio; não é uma coleção do Corvanel")
                .arg(QDir::toNativeSeparators(file)));
    }
    return info.absoluteFilePath();
}

}  // namespace

QString reindex(const QString& path) {
    QString file = databaseFileAt(path);
    try {
        sqlite::Connection connection(file, sqlite::OpenMode::ReadWrite);
        connection.setBusyTimeout(5000);
        sqlite::Statement cards(
            connection, "select 1 from sqlite_master where type = 'table' and name = 'LABELS'");
        if (!cards.step()) {
            throw BuildError(QStringLiteral("\"%1\" não é uma coleção do Corvanel")
                                 .arg(QDir::toNativeSeparators(file)));
        }
        cards.reset();
        PortugueseCollation::registerWith(connection);
        connection.executeScript("BEGIN IMMEDIATE");
        SearchIndex::build(connection);
        connection.executeScript("COMMIT");
    } catch (const DatabaseError& error) {
        const QString& reason = error.engineMessage();
        throw BuildError(
            QStringLiteral("não foi possível montar o índice de busca em \"%1\": %2")
                .arg(QDir::toNativeSeparators(file), reason.isEmpty() ? error.message() : reason));
    }
    return file;
}

}  // namespace corvanel::collection
