#include "LevelMarks.h"

#include "DocumentQueries.h"
#include "Sqlite.h"

namespace corvanel {

LevelMarks::LevelMarks(sqlite::Connection& connection) : connection_(connection) {
    // Narrowing and stepping back look a level's marks up.
    connection_.executeScript(
        "CREATE TEMP TABLE LABELS2 (cod INTEGER, ctr INTEGER, textrow INTEGER,"
        "                           UNIQUE (ctr, textrow));"
        "CREATE INDEX temp.LABELS2_ctr ON LABELS2 (ctr, cod);");
}

void LevelMarks::clearAll() {
    heldRows_.clear();
    sqlite::Statement(connection_, queries::kClearAllMarks).step();
}

void LevelMarks::clearLevel(int level) {
    heldRows_.erase(level);
    sqlite::Statement statement(connection_, queries::kClearLevelMarks);
    statement.bind(":level", level);
    statement.step();
}

void LevelMarks::addDocuments(const QStringList& codes, int level) {
    // After the rows listed before them.
    writeHeldRows();
    sqlite::Savepoint batch(connection_);
    sqlite::Statement insert(connection_, queries::kMarkDocument);
    insert.bind(":level", level);
    for (const QString& code : codes) {
        insert.bind(":code", code);
        insert.step();
        insert.reset();
    }
    batch.release();
}

void LevelMarks::addRows(std::vector<ListedRow> rows, int level) {
    std::vector<ListedRow>& held = heldRows_[level];
    if (held.empty()) {
        held = std::move(rows);
    } else {
        held.insert(held.end(), rows.begin(), rows.end());
    }
}

void LevelMarks::writeHeldRows() {
    // A level stays held until it is written whole.
    while (!heldRows_.empty()) {
        const auto& [level, rows] = *heldRows_.begin();
        sqlite::Savepoint batch(connection_);
        sqlite::Statement insert(connection_, queries::kMarkRow);
        insert.bind(":level", level);
        for (const ListedRow& row : rows) {
            insert.bind(":code", row.code);
            insert.bind(":row", row.textRow);
            insert.step();
            insert.reset();
        }
        batch.release();
        heldRows_.erase(heldRows_.begin());
    }
}

}  // namespace corvanel
