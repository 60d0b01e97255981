// The store's LIKE matcher against the plain one in LikeReference.cpp.
// An input is one byte that picks the escape character (\ ! # or ^; any
// other byte: none), the pattern up to the first line break, then the text.
#include "LikeReference.h"
#include "TextMatching.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

char32_t escapeFor(char picked) {
    constexpr std::string_view kEscapes = "\\!#^";
    return kEscapes.find(picked) == std::string_view::npos ? 0 : static_cast<char32_t>(picked);
}

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty()) {
        return 0;
    }
    const char32_t escape = escapeFor(input.front());
    input.remove_prefix(1);
    const size_t lineEnd = input.find('\n');
    const std::string_view pattern = input.substr(0, lineEnd);
    const std::string_view text =
        lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

    const corvanel::LikePattern like(pattern, escape);
    const bool matched = like.matches(text);
    const std::string foldedText = corvanel::folded(text);
    check(foldedText == reference::folded(text));
    check(like.matchesFolded(foldedText) == matched);
    // The text index looks such patterns up as plain text in folded rows.
    if (const std::string* contained = like.containedText()) {
        check((foldedText.find(*contained) != std::string::npos) == matched);
    }
    // Patterns come from the program's own strings, always UTF-8; on stray
    // bytes the matcher compares bytes, and the reference has no answer.
    if (reference::isUtf8(pattern)) {
        check(reference::likeMatches(pattern, text, escape) == matched);
    }
    return 0;
}
