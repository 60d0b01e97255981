#include "DocumentCard.h"

#include "Database.h"

#include <algorithm>

namespace corvanel::web {

namespace {

constexpr qsizetype kLongestCode = 18;

}  // namespace

std::optional<ListedDocument> documentCard(Database& database, QStringView code) {
    if (code.isEmpty() || code.size() > kLongestCode ||
        !std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return std::nullopt;
    }
    std::optional<ListedDocument> card;
    const ResultRow row{code.toLongLong(), 0};
    database.listRows({&row, 1}, [&card](const ListedDocument& listed) { card = listed; });
    return card;
}

}  // namespace corvanel::web
