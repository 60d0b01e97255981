#include "LikeReference.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <vector>

namespace reference {

namespace {

// One character: a code point, or a byte that starts no valid sequence.
struct Character {
    char32_t codePoint = 0;
    bool valid = false;
    std::string bytes;
};

// The well-formed sequences of the Unicode standard (its table 3-7): the
// length a lead byte asks for, and the range its second byte must be in.
bool decode(std::string_view bytes, Character& c) {
    const auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(0);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    if (bytes.size() < length) {
        return false;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const unsigned char b = at(k);
        if (k == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    c = {cp, true, std::string(bytes.substr(0, length))};
    return true;
}

std::vector<Character> characters(std::string_view utf8) {
    std::vector<Character> result;
    while (!utf8.empty()) {
        Character c;
        if (!decode(utf8, c)) {
            c = {0, false, std::string(1, utf8.front())};
        }
        utf8.remove_prefix(c.bytes.size());
        result.push_back(std::move(c));
    }
    return result;
}

std::string foldedCharacter(const Character& c) {
    if (!c.valid) {
        return c.bytes;
    }
    // Every space separator and the tab read as the blank.
    if (c.codePoint == U'\t' ||
        u_charType(static_cast<UChar32>(c.codePoint)) == U_SPACE_SEPARATOR) {
        return " ";
    }
    if (c.codePoint == 0xAA) {
        return "a";
    }
    if (c.codePoint == 0xBA) {
        return "o";
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString decomposed = icu::Normalizer2::getNFDInstance(status)->normalize(
        icu::UnicodeString(static_cast<UChar32>(c.codePoint)), status);
    std::string out;
    for (int32_t k = 0; k < decomposed.length(); k = decomposed.moveIndex32(k, 1)) {
        const UChar32 part = decomposed.char32At(k);
        if (u_getCombiningClass(part) == 0 && u_charType(part) != U_NON_SPACING_MARK) {
            icu::UnicodeString(u_foldCase(part, U_FOLD_CASE_DEFAULT)).toUTF8String(out);
        }
    }
    return out;
}

}  // namespace

std::string folded(std::string_view utf8) {
    std::string out;
    for (const Character& c : characters(utf8)) {
        out += foldedCharacter(c);
    }
    return out;
}

bool isUtf8(std::string_view bytes) {
    for (const Character& c : characters(bytes)) {
        if (!c.valid) {
            return false;
        }
    }
    return true;
}

bool likeMatches(std::string_view utf8Pattern, std::string_view utf8Text, char32_t escape) {
    // One pattern element: a literal character, or a wildcard.
    struct Element {
        enum Kind { Literal, One, Any } kind;
        std::string bytes;
    };
    const std::vector<Character> patternCharacters = characters(folded(utf8Pattern));
    std::vector<Element> pattern;
    for (size_t i = 0; i < patternCharacters.size(); ++i) {
        const Character& c = patternCharacters[i];
        if (escape != 0 && c.valid && c.codePoint == escape) {
            if (i + 1 == patternCharacters.size()) {
                return false;  // an escape with nothing to escape matches nothing
            }
            pattern.push_back({Element::Literal, patternCharacters[++i].bytes});
        } else if (c.valid && c.codePoint == U'%') {
            pattern.push_back({Element::Any, {}});
        } else if (c.valid && c.codePoint == U'_') {
            pattern.push_back({Element::One, {}});
        } else {
            pattern.push_back({Element::Literal, c.bytes});
        }
    }
    const std::vector<Character> text = characters(folded(utf8Text));
    // matched[j]: the pattern elements so far match the first j characters.
    std::vector<char> matched(text.size() + 1, 0);
    matched[0] = 1;
    for (const Element& element : pattern) {
        std::vector<char> next(text.size() + 1, 0);
        for (size_t j = 0; j <= text.size(); ++j) {
            switch (element.kind) {
                case Element::Any:
                    next[j] = matched[j] || (j > 0 && next[j - 1]);
                    break;
                case Element::One:
                    next[j] = j > 0 && matched[j - 1];
                    break;
                case Element::Literal:
                    next[j] = j > 0 && matched[j - 1] && text[j - 1].bytes == element.bytes;
                    break;
            }
        }
        matched.swap(next);
    }
    return matched[text.size()] != 0;
}

}  // namespace reference
