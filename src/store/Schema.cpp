#include "Schema.h"

#include "ConnectionString.h"
#include "DatabasePassword.h"
#include "PortugueseCollation.h"
#include "SearchIndex.h"
#include "Sqlite.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

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

struct TableShape {
    QString module;  // a virtual table's, lower case; empty for a table of rows
    QStringList columns;
};

// Names are compared as the engine compares them, without regard to case.
using Shapes = QHash<QString, TableShape>;

QString keyOf(const QString& name) {
    return name.toLower();
}

QString moduleOf(const QString& sql) {
    static const QRegularExpression virtualTable(
        QStringLiteral("^\\s*CREATE\\s+VIRTUAL\\s+TABLE\\b.*?\\bUSING\\s+(\\w+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return virtualTable.match(sql).captured(1).toLower();
}

// Columns the engine computes (generated columns) are left out and counted.
QStringList columnsOf(sqlite::Connection& connection, const QString& table, int* computed) {
    sqlite::Statement columns(connection, "select name, hidden from pragma_table_xinfo(?)");
    columns.bind(1, table);
    QStringList names;
    while (columns.step()) {
        const std::int64_t hidden = columns.int64(1);
        if (hidden == 2 || hidden == 3) {
            ++*computed;
        } else if (hidden == 0) {
            names << columns.text(0).toLower();
        }
    }
    return names;
}

// What create() and the search index write, read once from a database
// in memory built by the same code.
const Shapes& builtShapes() {
    static const Shapes shapes = [] {
        sqlite::Connection memory(QStringLiteral(":memory:"), sqlite::OpenMode::Create);
        PortugueseCollation::registerWith(memory);
        memory.executeScript(kTables);
        memory.executeScript(DatabasePassword::kCreateTable);
        SearchIndex::build(memory);
        Shapes built;
        sqlite::Statement tables(memory,
                                 "select name, sql from sqlite_master where type = 'table'");
        while (tables.step()) {
            int computed = 0;
            built.insert(keyOf(tables.text(0)),
                         {moduleOf(tables.text(1)), columnsOf(memory, tables.text(0), &computed)});
        }
        return built;
    }();
    return shapes;
}

// Tables an earlier builder wrote that today's does not, with their shape:
// a collection built then is read with them.
const Shapes& earlierShapes() {
    static const Shapes shapes{
        {keyOf(QString::fromLatin1(SearchIndex::kFoldedTextTable)),
         {QString(), {QStringLiteral("row"), QStringLiteral("folded")}}},
    };
    return shapes;
}

const TableShape* shapeWritten(const QString& table) {
    for (const Shapes* shapes : {&builtShapes(), &earlierShapes()}) {
        if (const auto found = shapes->constFind(keyOf(table)); found != shapes->constEnd()) {
            return &*found;
        }
    }
    return nullptr;
}

QString quotedName(const QString& name) {
    return u'"' + name + u'"';
}

// Columns a later builder added: a collection built before them lacks them
// and is read without them.
bool isLaterColumn(const QString& table, const QString& column) {
    return table.compare(u"CONTROLE", Qt::CaseInsensitive) == 0 &&
           column.compare(u"edicao", Qt::CaseInsensitive) == 0;
}

QString tableDifference(sqlite::Connection& connection, const QString& name, const QString& sql) {
    const TableShape* built = shapeWritten(name);
    if (built == nullptr) {
        return QStringLiteral("tem a tabela %1, que o programa não escreve").arg(quotedName(name));
    }
    if (moduleOf(sql) != built->module) {
        return QStringLiteral("a tabela %1 não é do tipo que o programa escreve")
            .arg(quotedName(name));
    }
    int computed = 0;
    const QStringList columns = columnsOf(connection, name, &computed);
    if (computed > 0) {
        return QStringLiteral("a tabela %1 tem colunas calculadas").arg(quotedName(name));
    }
    for (const QString& column : built->columns) {
        if (!columns.contains(column) && !isLaterColumn(name, column)) {
            return QStringLiteral("falta a coluna %1 da tabela %2")
                .arg(quotedName(column), quotedName(name));
        }
    }
    return {};
}

QString indexDifference(sqlite::Connection& connection, const QString& name, const QString& table) {
    const TableShape* built = shapeWritten(table);
    if (built == nullptr || !built->module.isEmpty()) {
        return QStringLiteral("tem o índice %1 de uma tabela que o programa não escreve")
            .arg(quotedName(name));
    }
    sqlite::Statement expressions(
        connection, "select count(*) from pragma_index_xinfo(?) where key = 1 and cid = -2");
    expressions.bind(1, name);
    if (expressions.step() && expressions.int64(0) > 0) {
        return QStringLiteral("o índice %1 calcula expressões").arg(quotedName(name));
    }
    return {};
}

}  // namespace

void create(sqlite::Connection& connection, const QString& password) {
    connection.executeScript(kTables);
    DatabasePassword::store(connection, password);
}

QString differenceFromBuilt(sqlite::Connection& connection) {
    QStringList present;
    sqlite::Statement objects(connection,
                              "select type, name, tbl_name, coalesce(sql, '') from sqlite_master");
    while (objects.step()) {
        const QString type = objects.text(0);
        const QString name = objects.text(1);
        QString difference;
        if (type == u"view") {
            difference = QStringLiteral("tem a visão %1").arg(quotedName(name));
        } else if (type == u"trigger") {
            difference = QStringLiteral("tem o gatilho %1").arg(quotedName(name));
        } else if (name.startsWith(u"sqlite_", Qt::CaseInsensitive)) {
            continue;  // the engine's own: sequences, statistics, automatic indexes
        } else if (type == u"table") {
            difference = tableDifference(connection, name, objects.text(3));
            present << keyOf(name);
        } else if (type == u"index") {
            difference = indexDifference(connection, name, objects.text(2));
        } else {
            difference =
                QStringLiteral("tem o objeto %1 de um tipo desconhecido").arg(quotedName(name));
        }
        if (!difference.isEmpty()) {
            return difference;
        }
    }
    for (const char* table : {"LABELS", "TEXTOS", "CONTROLE"}) {
        if (!present.contains(keyOf(QString::fromLatin1(table)))) {
            return QStringLiteral("falta a tabela %1").arg(QString::fromLatin1(table));
        }
    }
    return {};
}

QString programPassword() {
    return parseConnectionString(connectionStringFor(QString())).password;
}

}  // namespace corvanel::Schema
