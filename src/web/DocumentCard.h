#pragma once

#include "ListedDocument.h"

#include <QStringView>

#include <optional>

namespace corvanel {
class Database;
}

namespace corvanel::web {

// The card of a document code written in an address (digits only); none for
// any other text or a code without a card.
std::optional<ListedDocument> documentCard(Database& database, QStringView code);

}  // namespace corvanel::web
