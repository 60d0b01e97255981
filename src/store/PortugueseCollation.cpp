#include "PortugueseCollation.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>

namespace corvanel {

namespace {

int collate(void* collation, int lengthA, const void* a, int lengthB, const void* b) {
    return static_cast<const PortugueseCollation*>(collation)
        ->compare(std::string_view(static_cast<const char*>(a), static_cast<size_t>(lengthA)),
                  std::string_view(static_cast<const char*>(b), static_cast<size_t>(lengthB)));
}

}  // namespace

void PortugueseCollation::registerWith(sqlite3* db) {
    sqlite3_create_collation_v2(db, kName, SQLITE_UTF8, new PortugueseCollation, collate,
                                [](void* collation) {
                                    delete static_cast<PortugueseCollation*>(collation);
                                });
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
