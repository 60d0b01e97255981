#include "PortugueseCollation.h"

#include "Sqlite.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace corvanel {

void PortugueseCollation::registerWith(sqlite::Connection& connection) {
    connection.defineCollation(
        kName, [collation = std::make_shared<const PortugueseCollation>()](
                   std::string_view a, std::string_view b) { return collation->compare(a, b); });
}

PortugueseCollation::PortugueseCollation() {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open("pt_BR", &status);
    if (U_FAILURE(status)) {
        collator_ = nullptr;  // falls back to byte order below
    }
}

PortugueseCollation::~PortugueseCollation() {
    if (collator_ != nullptr) {
        ucol_close(collator_);
    }
}

int PortugueseCollation::compare(std::string_view a, std::string_view b) const {
    if (collator_ != nullptr) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult result =
            ucol_strcollUTF8(collator_, a.data(), static_cast<int32_t>(a.size()), b.data(),
                             static_cast<int32_t>(b.size()), &status);
        if (U_SUCCESS(status) && result != UCOL_EQUAL) {
            return result == UCOL_LESS ? -1 : 1;
        }
    }
    const size_t common = std::min(a.size(), b.size());
    const int bytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (bytes != 0) {
        return bytes;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace corvanel
