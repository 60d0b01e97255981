#pragma once

#include "ListedDocument.h"

#include <QHash>

#include <cstdint>

namespace corvanel {

namespace sqlite {
class Connection;
}

// Every card's listed fields, read in one pass when a search first lists
// many rows: a common word then lists from memory instead of looking each
// card up again. A rare word never needs it.
class CardLabels {
public:
    // The card's fields (textRow unset); null when there is no such card.
    const ListedDocument* find(sqlite::Connection& connection, std::int64_t cod);

private:
    bool loaded_ = false;
    QHash<std::int64_t, ListedDocument> byCode_;
};

}  // namespace corvanel
