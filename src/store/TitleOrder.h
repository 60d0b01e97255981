#pragma once

#include <cstdint>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

// The listings' order of the text rows (TITLE_ORDER), read once, when a
// search first needs it: a search's rows are then put in order by walking
// the ranks, with no temporary index and no sort in SQL.
class TitleOrder {
public:
    struct Placed {
        std::int64_t row;
        std::int64_t cod;
    };

    // Rows are text row numbers up to lastTextRow (SearchIndex::lastTextRow);
    // one beyond it, or placed twice, is damage (DatabaseError) when read.
    explicit TitleOrder(std::int64_t lastTextRow = 0) : lastTextRow_(lastTextRow) {}

    // Rows the order does not know are left out.
    std::vector<Placed> inOrder(sqlite::Connection& connection,
                                const std::vector<std::int64_t>& rows);
    // Every text row, in order.
    const std::vector<Placed>& all(sqlite::Connection& connection);

private:
    void load(sqlite::Connection& connection);

    std::int64_t lastTextRow_;
    bool loaded_ = false;
    std::vector<Placed> byRank_;
    std::vector<std::int32_t> rankOfRow_;  // -1: not a text row
};

}  // namespace corvanel
