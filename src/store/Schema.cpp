#include "Schema.h"

#include "ConnectionString.h"
#include "DatabasePassword.h"
#include "Sqlite.h"

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
    tipo       TEXT,
    edicao     TEXT
);
)sql";

}  // namespace

void create(sqlite::Connection& connection, const QString& password) {
    connection.executeScript(kTables);
    DatabasePassword::store(connection, password);
}

QString programPassword() {
    return parseConnectionString(connectionStringFor(QString())).password;
}

}  // namespace corvanel::Schema
