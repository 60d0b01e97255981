#include "TitleOrder.h"

#include "Sqlite.h"

namespace corvanel {

void TitleOrder::load(sqlite::Connection& connection) {
    rankOfRow_.assign(static_cast<size_t>(lastTextRow_) + 1, -1);
    sqlite::Statement read(connection, "select row, cod from TITLE_ORDER order by rank");
    while (read.step()) {
        const std::int64_t row = read.int64(0);
        if (row < 0 || row > lastTextRow_ || rankOfRow_[static_cast<size_t>(row)] >= 0) {
            throw sqlite::damagedValue(QStringLiteral("TITLE_ORDER dá a linha %1, %2")
                                           .arg(row)
                                           .arg(row < 0 || row > lastTextRow_
                                                    ? QStringLiteral("que não existe")
                                                    : QStringLiteral("mais de uma vez")));
        }
        rankOfRow_[static_cast<size_t>(row)] = static_cast<std::int32_t>(byRank_.size());
        byRank_.push_back({row, read.int64(1)});
    }
    loaded_ = true;
}

const std::vector<TitleOrder::Placed>& TitleOrder::all(sqlite::Connection& connection) {
    if (!loaded_) {
        load(connection);
    }
    return byRank_;
}

std::vector<TitleOrder::Placed> TitleOrder::inOrder(sqlite::Connection& connection,
                                                    const std::vector<std::int64_t>& rows) {
    if (!loaded_) {
        load(connection);
    }
    std::vector<bool> matched(byRank_.size());
    size_t known = 0;
    for (const std::int64_t row : rows) {
        if (row >= 0 && static_cast<size_t>(row) < rankOfRow_.size() &&
            rankOfRow_[static_cast<size_t>(row)] >= 0) {
            matched[static_cast<size_t>(rankOfRow_[static_cast<size_t>(row)])] = true;
            ++known;
        }
    }
    std::vector<Placed> ordered;
    ordered.reserve(known);
    for (size_t rank = 0; rank < byRank_.size() && ordered.size() < known; ++rank) {
        if (matched[rank]) {
            ordered.push_back(byRank_[rank]);
        }
    }
    return ordered;
}

}  // namespace corvanel
