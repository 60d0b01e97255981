#include "Schema.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"

#include <sqlite3.h>

namespace corvanel::Schema {

namespace {

constexpr const char* kTables = R"sql(
CREATE TABLE LABELS (
    cod        INTEGER PRIMARY KEY,
    titulo     TEXT COLLATE PTBR,
    subtitulo  TEXT COLLATE PTBR,
    sessao     TEXT,
    categoria  TEXT,
    pchave     TEXT
);
CREATE TABLE TEXTOS (
    cod_texto  INTEGER NOT NULL,
    conteudo   TEXT
);
CREATE INDEX TEXTOS_cod_texto ON TEXTOS (cod_texto);
CREATE TABLE LABELS2 (
    cod        INTEGER,
    ctr        INTEGER
);
CREATE TABLE CONTROLE (
    topo       INTEGER,
    tipo       TEXT
);
)sql";

}  // namespace

void create(sqlite3* db, const QString& password) {
    char* error = nullptr;
    if (sqlite3_exec(db, kTables, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        throw DatabaseError(message);
    }
    DatabasePassword::store(db, password);
}

QString programPassword() {
    return parseConnectionString(connectionStringFor(QString())).password;
}

}  // namespace corvanel::Schema
