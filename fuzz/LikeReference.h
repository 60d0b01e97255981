#pragma once

#include <string>
#include <string_view>

// A plain, slow LIKE to check the store's matcher against: the text and the
// pattern are folded one code point at a time (every space separator and
// the tab to a blank), then compared character by
// character with the textbook table of which pattern prefix matches which
// text prefix. '%' is any run of characters, '_' one character, and the
// escape character (0: none) makes the next pattern character literal.
namespace reference {

std::string folded(std::string_view utf8);

bool likeMatches(std::string_view utf8Pattern, std::string_view utf8Text, char32_t escape);

// Whether bytes are well-formed UTF-8: no stray or overlong bytes, no
// surrogates.
bool isUtf8(std::string_view bytes);

}  // namespace reference
