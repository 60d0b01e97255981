#include "TextMatching.h"

#include "QtPrinters.h"

#include <QChar>
#include <QString>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

bool like(const char* pattern, const char* text, char32_t escape = 0) {
    return LikePattern(pattern, escape).matches(text);
}

TEST(TextMatching, FoldsCaseAccentsAndOrdinals) {
    EXPECT_EQ(folded("EDUCAÇÃO"), "educacao");
    EXPECT_EQ(folded("Água, É, ü, Ñ"), "agua, e, u, n");
    EXPECT_EQ(folded("Art. 8º, 2ª"), "art. 8o, 2a");
    EXPECT_EQ(folded("“aspas” – travessão"), "“aspas” – travessao");
    const std::string invalid =
        "a\xff"
        "B";
    EXPECT_EQ(folded(invalid),
              "a\xff"
              "b");
    // An overlong 'A' and a value past U+10FFFF are bytes, not letters.
    const std::string notUtf8 = "\xc1\x81\xf7\xbf\xbf\xbf";
    EXPECT_EQ(folded(notUtf8), notUtf8);
}

// Qt's own Unicode tables name the space separators the folding must know.
TEST(TextMatching, TheTabAndEverySpaceSeparatorFoldToTheBlank) {
    int blanks = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        const bool separator = cp == U'\t' || QChar::category(cp) == QChar::Separator_Space;
        ASSERT_EQ(isBlank(cp), separator) << std::hex << static_cast<unsigned>(cp);
        if (separator) {
            const QByteArray utf8 = QString::fromUcs4(&cp, 1).toUtf8();
            EXPECT_EQ(folded(utf8.toStdString()), " ") << std::hex << static_cast<unsigned>(cp);
            ++blanks;
        }
    }
    EXPECT_GT(blanks, 15);
}

TEST(TextMatching, RunsOfAnyBlanksAreOneBlankForSearch) {
    // Pasted from a web page or a PDF, typed with a tab, or as the page writes them.
    const std::pair<const char*, const char*> alike[] = {
        {"conselho\u00a0tutelar", "conselho tutelar"},
        {"art.\u2009227", "Art. 227"},
        {"art.\u202f227", "art. 227"},
        {"art.\t\u00a0 \u3000227", "art.\n227"},
        {"\u205flei\u2003\u2002n\u00ba", " lei nº"},
    };
    for (const auto& [odd, plain] : alike) {
        EXPECT_EQ(searchFolded(odd), searchFolded(plain)) << odd;
    }
    // LIKE reads each blank as one character, as it reads a space.
    EXPECT_TRUE(like("%art. 227%", "Art.\u00a0227"));
    EXPECT_TRUE(like("%conselho tutelar%", "o Conselho\u2009Tutelar"));
    EXPECT_TRUE(like("art.__227", "art.\u202f\u3000227"));
}

TEST(TextMatching, ContainmentIgnoresCaseAndAccents) {
    EXPECT_TRUE(like("%educacao%", "Direito à Educação"));
    EXPECT_TRUE(like("%EDUCAÇÃO%", "Direito à Educação"));
    EXPECT_TRUE(like("%lei%", "LEI Nº 8.069"));
    EXPECT_TRUE(like("%d'água%", "Poços d'Água e cisternas"));
    EXPECT_FALSE(like("%saude%", "Direito à Educação"));
    EXPECT_TRUE(like("%%", ""));
    EXPECT_TRUE(like("% %", "dois termos"));
    EXPECT_FALSE(like("% %", "um"));
}

TEST(TextMatching, GeneralPatternsFollowSqlLike) {
    EXPECT_TRUE(like("a_c", "abc"));
    EXPECT_TRUE(like("a_c", "aÇc"));  // '_' is one whole character
    EXPECT_FALSE(like("a_c", "abbc"));
    EXPECT_TRUE(like("%A05%B%", "A05 B12"));
    EXPECT_FALSE(like("A05", "A05 B12"));  // no wildcard: whole text
    EXPECT_TRUE(like("A05%", "a05 B12"));
    EXPECT_TRUE(like("%a%a%a", "banana"));
    EXPECT_FALSE(like("%a%a%a%a", "banana"));
    EXPECT_TRUE(like("100\\%", "100%", U'\\'));
    EXPECT_FALSE(like("100\\%", "1000", U'\\'));
}

TEST(TextMatching, PatternsOfPercentSignsAloneMatchAsTheGeneralMatcherDoes) {
    // An escape character sends a pattern to the general matcher; without
    // one, a pattern of '%' signs alone is matched piece by piece.
    const char* patterns[] = {"%",         "%%",      "a%",     "%a",  "a%c",    "%b%",  "%ana%",
                              "%aba%aba%", "%a%a%a%", "ban%na", "%é%", "banana", "b%n%", ""};
    const char* texts[] = {"",       "a",     "abc",    "abcd", "ab", "ba",
                           "banana", "ababa", "abaaba", "Fé",   "bnn"};
    for (const char* pattern : patterns) {
        for (const char* text : texts) {
            EXPECT_EQ(like(pattern, text), like(pattern, text, U'\\'))
                << "'" << pattern << "' on '" << text << "'";
        }
    }
    EXPECT_FALSE(like("%aba%aba%", "ababa"));  // the pieces may not overlap
    EXPECT_TRUE(like("%aba%aba%", "abaaba"));
}

}  // namespace
}  // namespace corvanel
