#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvanel {

// How search words meet a text: anywhere, as the collection has always
// searched ("guarda" finds "aguardando"), or only as whole words, where a
// word begins and ends ("guarda" finds "Guarda" but not "guardado"). Word
// characters are the letters, numbers and private-use characters of the
// folded text (Unicode categories L, N and Co, as the word index's tokenizer
// reads words); a phrase is
// whole where its first word begins one and its last ends one, and words
// that begin or end with another character ("§ 2o", "(lei") are bounded
// there by that character itself.
enum class WordMatching : std::uint8_t { Anywhere, WholeWords };

namespace word_matching {

// Whether the UTF-8 character at text[at] (or ending just before at, for
// characterBefore) is a word character. Invalid bytes are none.
bool isWordCharacterAt(std::string_view text, std::size_t at);
bool isWordCharacterBefore(std::string_view text, std::size_t at);

// The words with a blank on each side that must be a word boundary (a side
// that is a word character): wherever they occur so, they are whole.
// The words themselves when neither side needs one.
std::string blankBounded(std::string_view words);

// Where words (folded, as searchFolded gives them) next occur in folded at or
// after from, matched as asked; npos when nowhere. Empty words occur nowhere.
std::size_t find(std::string_view folded, std::string_view words, WordMatching matching,
                 std::size_t from = 0);

// Whether words occur in folded, matched as asked.
inline bool contains(std::string_view folded, std::string_view words, WordMatching matching) {
    return find(folded, words, matching) != std::string_view::npos;
}

// How many times words occur in folded, each occurrence counted from the
// end of the one before.
std::size_t count(std::string_view folded, std::string_view words, WordMatching matching);

// The words of folded: its runs of word characters.
std::size_t wordCount(std::string_view folded);

}  // namespace word_matching

}  // namespace corvanel
