#include "Reindex.h"

#include "BuildError.h"
#include "OutputFile.h"

#include <DatabaseError.h>
#include <PortugueseCollation.h>
#include <Schema.h>
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

// The index is written into a copy, which takes the file's place in one
// rename: readers go on with the old file meanwhile, and a reindex killed
// at any point leaves it byte for byte.
QString reindex(const QString& path) {
    QString file = databaseFileAt(path);
    try {
        OutputFile output(file);
        {
            sqlite::Connection source(file, sqlite::OpenMode::ReadOnly);
            source.setBusyTimeout(5000);
            sqlite::Statement cards(
                source, "select 1 from sqlite_master where type = 'table' and name = 'LABELS'");
            if (!cards.step()) {
                throw BuildError(QStringLiteral("\"%1\" não é uma coleção do Corvanel")
                                     .arg(QDir::toNativeSeparators(file)));
            }
            cards.reset();
            if (const QString difference = Schema::differenceFromBuilt(source);
                !difference.isEmpty()) {
                throw BuildError(QStringLiteral("\"%1\" não é uma coleção do Corvanel (%2)")
                                     .arg(QDir::toNativeSeparators(file), difference));
            }
            // The copy declares its titles in the program's collation.
            PortugueseCollation::registerWith(source);
            sqlite::Statement copy(source, "VACUUM INTO ?");
            copy.bind(1, output.temporaryPath());
            copy.step();
        }
        // The copy is ours alone until the rename, its schema the one compared
        // above: opened as a file of our own, with no journal to keep.
        sqlite::Connection copy(output.temporaryPath(), sqlite::OpenMode::Create);
        copy.executeScript("PRAGMA journal_mode = OFF");
        PortugueseCollation::registerWith(copy);
        // The old index goes first, and the space it took with it: the file
        // keeps no free pages the new index does not fill.
        SearchIndex::drop(copy);
        copy.executeScript("VACUUM");
        copy.executeScript("BEGIN");
        SearchIndex::build(copy);
        copy.executeScript("COMMIT");
        copy.close();
        output.replaceOutput();
    } catch (const DatabaseError& error) {
        const QString& reason = error.engineMessage();
        throw BuildError(
            QStringLiteral("não foi possível montar o índice de busca em \"%1\": %2")
                .arg(QDir::toNativeSeparators(file), reason.isEmpty() ? error.message() : reason));
    }
    return file;
}

}  // namespace corvanel::collection
