#pragma once

#include <memory>
#include <string_view>

struct UCollator;

namespace corvanel {

namespace sqlite {
class Connection;
}

// Brazilian Portuguese alphabetical order ("Água" among the A's, "ação"
// beside "Ação"). Strings the collator holds equal are ordered by their
// bytes, so that only identical strings compare equal: DISTINCT keeps
// "Ação" and "ação" apart.
class PortugueseCollation {
public:
    PortugueseCollation();
    ~PortugueseCollation();
    PortugueseCollation(const PortugueseCollation&) = delete;
    PortugueseCollation& operator=(const PortugueseCollation&) = delete;

    // Negative, zero or positive, as strcmp.
    int compare(std::string_view a, std::string_view b) const;

    // The name under which the collation is known to SQL ("COLLATE PTBR").
    static constexpr const char* kName = "PTBR";

    // Makes the collation known to a connection.
    // Every connection that creates, sorts or compares such columns needs it.
    static void registerWith(sqlite::Connection& connection);

private:
    UCollator* collator_ = nullptr;
};

}  // namespace corvanel
