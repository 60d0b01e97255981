#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanel {

// Portuguese-friendly text matching for the LIKE operator: letter case and
// accents are ignored ("educacao" finds "Educação", "lei" finds "LEI").
// Works on UTF-8 directly, since the texts searched may be hundreds of
// megabytes and are read from the database as UTF-8.

// The blanks between words: the tab and every Unicode space separator.
// Texts copied from the web or a PDF hold the no-break spaces (U+00A0,
// U+202F) and the thin ones (U+2009) where a reader sees a plain blank.
constexpr bool isBlank(char32_t cp) {
    return cp == U' ' || cp == U'\t' || cp == 0xA0 || cp == 0x1680 ||
           (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

// Appends to out the folded form of utf8: lower case, accents removed, the
// ordinal indicators º and ª read as o and a, every blank (isBlank) read as
// U+0020. Invalid bytes are copied as they are.
void appendFolded(std::string_view utf8, std::string& out);

std::string folded(std::string_view utf8);

// The form in which search words and searched texts meet: folded as above,
// with every run of blanks and line breaks read as one blank, so a phrase
// is found however the text breaks its lines.
void appendSearchFolded(std::string_view utf8, std::string& out);
std::string searchFolded(std::string_view utf8);

// Decodes the UTF-8 sequence at utf8[at] into cp; returns its length, or 0
// where the bytes are no UTF-8 (cut short, overlong, a surrogate, past
// U+10FFFF).
int decodeUtf8(std::string_view utf8, size_t at, char32_t& cp);

// Characters, not bytes, of a UTF-8 text.
size_t characterCount(std::string_view utf8);

// A LIKE pattern, folded once and reused for every row it is compared with.
class LikePattern {
public:
    // escape: the ESCAPE character, or 0 when there is none.
    explicit LikePattern(std::string_view utf8Pattern, char32_t escape = 0);

    // Whether text (UTF-8, not folded) matches the whole pattern.
    bool matches(std::string_view utf8Text) const;

    // The same, for a text already folded with appendFolded.
    bool matchesFolded(std::string_view foldedText) const;

    // For a pattern that only asks for some text anywhere ('%words%'): that
    // text, folded; null for any other pattern.
    const std::string* containedText() const { return containsLiteral_ ? &pieces_[1] : nullptr; }

private:
    bool matchesPieces(std::string_view text) const;
    bool matchesWildcards(std::string_view text) const;

    std::string pattern_;              // folded
    std::vector<std::string> pieces_;  // the pattern split at '%', when it has no other wildcard
    bool onlyPercent_ = false;
    bool containsLiteral_ = false;  // '%text%'
    char32_t escape_ = 0;
};

}  // namespace corvanel
