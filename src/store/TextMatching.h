#pragma once

#include <string>
#include <string_view>

namespace corvanel {

// Portuguese-friendly text matching for the LIKE operator: letter case and
// accents are ignored ("educacao" finds "Educação", "lei" finds "LEI").
// Works on UTF-8 directly, since the texts searched may be hundreds of
// megabytes and are read from the database as UTF-8.

// Appends to out the folded form of utf8: lower case, accents removed, the
// ordinal indicators º and ª read as o and a. Invalid bytes are copied as
// they are.
void appendFolded(std::string_view utf8, std::string& out);

std::string folded(std::string_view utf8);

// A LIKE pattern, folded once and reused for every row it is compared with.
class LikePattern {
public:
    // escape: the ESCAPE character, or 0 when there is none.
    explicit LikePattern(std::string_view utf8Pattern, char32_t escape = 0);

    // Whether text (UTF-8, not folded) matches the whole pattern.
    bool matches(std::string_view utf8Text) const;

private:
    bool matchesFolded(std::string_view text) const;

    std::string pattern_;       // folded
    std::string literal_;       // the text between '%' and '%' when the pattern is only that
    bool containsLiteral_ = false;
    char32_t escape_ = 0;
};

}  // namespace corvanel
