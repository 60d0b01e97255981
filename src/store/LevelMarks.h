#pragma once

#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

// The text rows listed at each level of a result, kept in the connection's
// own temporary LABELS2 so that a narrowing reads them in SQL and a step
// back lists them again in their order. A listing's rows are held in memory
// and written only when something reads the marks: a long listing shows
// without waiting for tens of thousands of inserts.
class LevelMarks {
public:
    // A text row as listed, with its card's code.
    struct ListedRow {
        std::int64_t code = 0;
        std::int64_t textRow = 0;
    };

    // Creates LABELS2 among the connection's temporary tables.
    explicit LevelMarks(sqlite::Connection& connection);

    void clearAll();
    void clearLevel(int level);
    // Every text row of each code at level, all or none.
    void addDocuments(const QStringList& codes, int level);
    // The text rows at level in this order; a row marked twice at a level
    // keeps its first place.
    void addRows(std::vector<ListedRow> rows, int level);

    // Before a statement reads LABELS2: whatever is held is written, each
    // level all or none.
    void writeHeldRows();

private:
    sqlite::Connection& connection_;
    std::map<int, std::vector<ListedRow>> heldRows_;
};

}  // namespace corvanel
