#include "WordMatching.h"

#include "TextMatching.h"

#include <unicode/uchar.h>

namespace corvanel::word_matching {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of the UTF-8 sequence starting at text[at]; none (-1) for
// bytes that are not one.
UChar32 codePointAt(std::string_view text, std::size_t at) {
    char32_t cp = 0;
    return decodeUtf8(text, at, cp) > 0 ? static_cast<UChar32>(cp) : -1;
}

// Letters, numbers of every kind (², Ⅳ) and private-use characters: the
// categories the word index's tokenizer reads words of. Its tables are
// older than ICU's: it also reads characters assigned since as letters,
// which WordIndex allows for.
bool isWordCodePoint(UChar32 cp) {
    if (cp < 0x80) {
        return (cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9') || (cp >= 'A' && cp <= 'Z');
    }
    return cp > 0 && (U_GET_GC_MASK(cp) & (U_GC_L_MASK | U_GC_N_MASK | U_GC_CO_MASK)) != 0;
}

}  // namespace

bool isWordCharacterAt(std::string_view text, std::size_t at) {
    return at < text.size() && isWordCodePoint(codePointAt(text, at));
}

bool isWordCharacterBefore(std::string_view text, std::size_t at) {
    if (at == 0 || at > text.size()) {
        return false;
    }
    // Back to the lead byte, at most three continuation bytes away.
    std::size_t start = at - 1;
    while (start > 0 && at - start < 4 && isContinuation(static_cast<unsigned char>(text[start]))) {
        --start;
    }
    return isWordCodePoint(codePointAt(text, start));
}

std::string blankBounded(std::string_view words) {
    std::string bounded;
    if (isWordCharacterAt(words, 0)) {
        bounded += ' ';
    }
    bounded += words;
    if (isWordCharacterBefore(words, words.size())) {
        bounded += ' ';
    }
    return bounded;
}

std::size_t find(std::string_view folded, std::string_view words, WordMatching matching,
                 std::size_t from) {
    if (words.empty()) {
        return std::string_view::npos;
    }
    if (matching == WordMatching::Anywhere) {
        return folded.find(words, from);
    }
    // Only a word character needs a boundary beside it.
    const bool boundedBefore = isWordCharacterAt(words, 0);
    const bool boundedAfter = isWordCharacterBefore(words, words.size());
    for (std::size_t at = folded.find(words, from); at != std::string_view::npos;
         at = folded.find(words, at + 1)) {
        if ((!boundedBefore || !isWordCharacterBefore(folded, at)) &&
            (!boundedAfter || !isWordCharacterAt(folded, at + words.size()))) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::size_t count(std::string_view folded, std::string_view words, WordMatching matching) {
    std::size_t found = 0;
    for (std::size_t at = find(folded, words, matching); at != std::string_view::npos;
         at = find(folded, words, matching, at + words.size())) {
        ++found;
    }
    return found;
}

std::size_t wordCount(std::string_view folded) {
    std::size_t words = 0;
    bool inWord = false;
    for (std::size_t at = 0; at < folded.size();) {
        char32_t cp = 0;
        const int length = decodeUtf8(folded, at, cp);
        const bool word = length > 0 && isWordCodePoint(static_cast<UChar32>(cp));
        words += word && !inWord ? 1 : 0;
        inWord = word;
        at += length > 0 ? static_cast<std::size_t>(length) : 1;
    }
    return words;
}

}  // namespace corvanel::word_matching
