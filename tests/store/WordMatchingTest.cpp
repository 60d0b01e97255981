#include "TextMatching.h"
#include "WordMatching.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanel {
namespace {

// The neighbours a word may have: letters beyond ASCII, digits, signs,
// bytes that are no UTF-8, and words that begin or end with a sign.
TEST(WordMatching, FindsWordsOnlyBetweenWordBoundaries) {
    const struct {
        const char* text;
        const char* words;
        std::size_t count;
    } cases[] = {
        {"aguardando a guarda", "guarda", 1},
        {"guarda", "guarda", 1},
        {"guardado, guarda.", "guarda", 1},
        {"(guarda)guarda", "guarda", 2},
        {"art. 2270 e art. 227", "art. 227", 1},
        {"art. 227a", "art. 227", 0},
        {"§ 2o e §2o", "§ 2o", 1},
        {"x§ 2o", "§ 2o", 1},           // '§' bounds itself
        {"guarda\u00e7", "guarda", 0},  // a letter beyond ASCII
        {"\u03b1guarda", "guarda", 0},  // a Greek letter before
        {"guarda\u2014tutela", "guarda", 1},
        {"guarda\u00b2", "guarda", 0},  // a superscript digit is a number
        {"guarda\ue000", "guarda", 0},  // so is a private-use character a word's
        {"guarda\u0301", "guarda", 1},  // a combining mark is none
        {"guarda\U0001F970", "guarda", 1},
        {"guarda1", "guarda", 0},
        {"1guarda", "guarda", 0},
        {"\xff"
         "guarda\xfe",
         "guarda", 1},  // invalid bytes are no letters
        {"texto", "", 0},
    };
    for (const auto& c : cases) {
        const std::string text = c.text;
        EXPECT_EQ(word_matching::count(text, c.words, WordMatching::WholeWords), c.count)
            << c.text << " / " << c.words;
        EXPECT_EQ(word_matching::contains(text, c.words, WordMatching::WholeWords), c.count > 0)
            << c.text;
        // Anywhere finds at least as much.
        EXPECT_GE(word_matching::count(text, c.words, WordMatching::Anywhere), c.count) << c.text;
    }
}

// Words are runs of word characters, as the word index counts them.
TEST(WordMatching, CountsWordsAsRunsOfWordCharacters) {
    const struct {
        const char* text;
        std::size_t words;
    } cases[] = {
        {"", 0},
        {"  a  b ", 2},
        {"d'agua, art. 227\n§ 2o", 5},
        {"guarda\u00b2x \ue000", 2},
        {"a\U0001F970b", 2},
        {"\xff"
         "a\xfe",
         1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(word_matching::wordCount(c.text), c.words) << c.text;
    }
}

}  // namespace
}  // namespace corvanel
