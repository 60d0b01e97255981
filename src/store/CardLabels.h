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
    // The card's fields, listed at textRow without copying them (a long
    // result would otherwise copy four strings a row); null when there is no
    // such card. Valid until the next call.
    const ListedDocument* listedAt(sqlite::Connection& connection, std::int64_t cod,
                                   std::int64_t textRow);

private:
    bool loaded_ = false;
    QHash<std::int64_t, ListedDocument> byCode_;
};

}  // namespace corvanel
