#include "TextMatching.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <mutex>

namespace corvanel {

namespace {

void appendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The folded form of one code point, worked out with ICU: canonical
// decomposition, combining marks dropped, then case folding. Canonical
// decomposition keeps the no-break spaces apart: every blank is read as ' '
// first.
std::string foldCodePoint(char32_t cp) {
    if (isBlank(cp)) {
        return " ";
    }
    if (cp == 0xBA) {  // º
        return "o";
    }
    if (cp == 0xAA) {  // ª
        return "a";
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed;
    if (U_SUCCESS(status)) {
        decomposed = nfd->normalize(icu::UnicodeString(static_cast<UChar32>(cp)), status);
    }
    if (U_FAILURE(status)) {
        decomposed = icu::UnicodeString(static_cast<UChar32>(cp));
    }
    std::string out;
    for (int32_t k = 0; k < decomposed.length(); k = decomposed.moveIndex32(k, 1)) {
        const UChar32 c = decomposed.char32At(k);
        if (u_getCombiningClass(c) != 0 || u_charType(c) == U_NON_SPACING_MARK) {
            continue;
        }
        appendUtf8(static_cast<char32_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT)), out);
    }
    return out;
}

// Code points below U+0800 cover Latin, Greek and Cyrillic letters: their
// folded forms are worked out once and kept in a table, so that folding the
// text of a large collection does no per-character library call.
class FoldTable {
public:
    static const FoldTable& instance() {
        static const FoldTable table;
        return table;
    }

    std::string_view lookup(char32_t cp) const { return entries_[cp]; }

private:
    FoldTable() {
        for (char32_t cp = 0; cp < kSize; ++cp) {
            entries_[cp] = foldCodePoint(cp);
        }
    }

    static constexpr char32_t kSize = 0x800;
    std::array<std::string, kSize> entries_;
};

// ASCII, most of any text, folds by this table: capitals to small letters,
// the tab to a blank.
constexpr std::array<char, 0x80> kAsciiFolded = [] {
    std::array<char, 0x80> table{};
    for (char32_t c = 0; c < 0x80; ++c) {
        const char32_t form = (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : isBlank(c) ? U' ' : c;
        table[c] = static_cast<char>(form);
    }
    return table;
}();

}  // namespace

int decodeUtf8(std::string_view utf8, size_t at, char32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(utf8[k]); };
    const unsigned char b0 = byte(at);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    int length = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (at + static_cast<size_t>(length) > utf8.size()) {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(at + static_cast<size_t>(k));
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no UTF-8 either:
    // read as code points, they would match letters or vanish from the utf8.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[length] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        return 0;
    }
    return length;
}

void appendFolded(std::string_view utf8, std::string& out) {
    const FoldTable& table = FoldTable::instance();
    out.reserve(out.size() + utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += kAsciiFolded[b];
            ++i;
            continue;
        }
        char32_t cp = 0;
        const int length = decodeUtf8(utf8, i, cp);
        if (length == 0) {
            out += static_cast<char>(b);
            ++i;
        } else if (cp < 0x800) {
            out += table.lookup(cp);
            i += static_cast<size_t>(length);
        } else {
            out += foldCodePoint(cp);
            i += static_cast<size_t>(length);
        }
    }
}

std::string folded(std::string_view utf8) {
    std::string out;
    appendFolded(utf8, out);
    return out;
}

void appendSearchFolded(std::string_view utf8, std::string& out) {
    const size_t start = out.size();
    appendFolded(utf8, out);
    // Folding left every blank a ' ', and the line breaks as they were.
    const auto blank = [](char c) {
        return c == ' ' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    };
    size_t kept = start;
    bool afterBlank = false;
    for (size_t i = start; i < out.size(); ++i) {
        const char c = out[i];
        if (blank(c)) {
            if (!afterBlank) {
                out[kept++] = ' ';
            }
            afterBlank = true;
        } else {
            out[kept++] = c;
            afterBlank = false;
        }
    }
    out.resize(kept);
}

std::string searchFolded(std::string_view utf8) {
    std::string out;
    appendSearchFolded(utf8, out);
    return out;
}

size_t characterCount(std::string_view utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

LikePattern::LikePattern(std::string_view utf8Pattern, char32_t escape)
    : pattern_(folded(utf8Pattern)), escape_(escape) {
    // Patterns with '%' alone, such as the statements' '%words%', are
    // matched by finding their pieces in turn: much faster than the general
    // matcher over long texts.
    if (escape_ == 0 && pattern_.find('_') == std::string::npos) {
        size_t start = 0;
        for (size_t at = pattern_.find('%'); at != std::string::npos;
             at = pattern_.find('%', start)) {
            pieces_.emplace_back(pattern_, start, at - start);
            start = at + 1;
        }
        pieces_.emplace_back(pattern_, start);
        onlyPercent_ = true;
        containsLiteral_ = pieces_.size() == 3 && pieces_.front().empty() && pieces_.back().empty();
    }
}

bool LikePattern::matches(std::string_view utf8Text) const {
    if (containsLiteral_ && pieces_[1].empty()) {
        return true;
    }
    thread_local std::string buffer;
    buffer.clear();
    appendFolded(utf8Text, buffer);
    return matchesFolded(buffer);
}

bool LikePattern::matchesFolded(std::string_view foldedText) const {
    return onlyPercent_ ? matchesPieces(foldedText) : matchesWildcards(foldedText);
}

// The first piece starts the text, the last one ends it, and the others
// follow one another in between: taking the earliest place for each is
// never wrong.
bool LikePattern::matchesPieces(std::string_view text) const {
    if (pieces_.size() == 1) {
        return text == pieces_.front();
    }
    if (!text.starts_with(pieces_.front())) {
        return false;
    }
    size_t at = pieces_.front().size();
    for (size_t i = 1; i + 1 < pieces_.size(); ++i) {
        at = text.find(pieces_[i], at);
        if (at == std::string_view::npos) {
            return false;
        }
        at += pieces_[i].size();
    }
    const std::string& last = pieces_.back();
    return text.size() - at >= last.size() && text.ends_with(last);
}

// Wildcard matching with backtracking to the last '%' seen: linear in
// practice, and never recursive. '_' stands for one whole character.
bool LikePattern::matchesWildcards(std::string_view text) const {
    const std::string_view pattern = pattern_;
    size_t p = 0;
    size_t t = 0;
    size_t starP = std::string_view::npos;
    size_t starT = 0;
    const auto charLength = [](std::string_view s, size_t i) -> size_t {
        char32_t cp = 0;
        const int length = decodeUtf8(s, i, cp);
        return length == 0 ? 1 : static_cast<size_t>(length);
    };
    while (t < text.size()) {
        if (p < pattern.size()) {
            char32_t pc = 0;
            const size_t pl = charLength(pattern, p);
            decodeUtf8(pattern, p, pc);
            if (escape_ == 0 || pc != escape_) {
                if (pc == U'%') {
                    starP = ++p;
                    starT = t;
                    continue;
                }
                if (pc == U'_') {
                    p += pl;
                    t += charLength(text, t);
                    continue;
                }
            } else {
                p += pl;  // the escaped character is taken literally
            }
            if (p < pattern.size()) {
                const size_t literalLength = charLength(pattern, p);
                if (text.compare(t, literalLength, pattern.substr(p, literalLength)) == 0) {
                    p += literalLength;
                    t += literalLength;
                    continue;
                }
            }
        }
        if (starP == std::string_view::npos) {
            return false;
        }
        p = starP;
        starT += charLength(text, starT);
        t = starT;
    }
    while (p < pattern.size() && pattern[p] == '%') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace corvanel
