#include "Database.h"
#include "ResultArrangement.h"
#include "SearchResult.h"
#include "TestCollection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <tuple>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCard;
using testing::TestCollection;

QList<TestCard> cards() {
    return {
        card(1, q("Petição inicial"), {}, q("A"), q("A01"), {},
             {q("o processo aguardando julgamento")}),
        card(2, q("Guarda compartilhada"), {}, q("A"), q("A01"), {}, {q("sobre os filhos")}),
        card(3, q("Arquivo"), {}, q("A"), q("A01"), {}, {q("documento guardado no arquivo")}),
        card(4, q("Decisão"), {}, q("B"), q("B01"), {}, {q("a GUARDA dos filhos, art. 2270")}),
        card(5, q("Estatuto"), {}, q("B"), q("B01"), {q("guarda")},
             {q("nada aqui"), q("a guarda; e a Guarda do art. 227"), q("salvaguarda")}),
        card(6, q("Resolução"), {}, q("A"), q("A01"), {}, {q("Ver o § 2º da guarda")}),
        // Beside a superscript digit, a private-use character, a combining
        // mark, a sign newer than the word index's tables, an unassigned one.
        card(7, q("Um"), {}, q("C"), q("C01"), {}, {q("o direito² do menor")}),
        card(8, q("Dois"), {}, q("C"), q("C01"), {}, {q("o direito do menor")}),
        card(9, q("Tres"), {}, q("C"), q("C01"), {}, {q("o direitó do menor")}),
        card(10, q("Quatro"), {}, q("C"), q("C01"), {}, {q("o direito🥰 do menor")}),
        card(11, q("Cinco"), {}, q("C"), q("C01"), {}, {q("o direito͸ do menor")}),
    };
}

std::set<std::int64_t> codesOf(const SearchResult& result) {
    std::set<std::int64_t> codes;
    for (const ResultRow& row : result.rows) {
        codes.insert(row.code);
    }
    return codes;
}

std::vector<std::int64_t> orderOf(const SearchResult& result) {
    std::vector<std::int64_t> codes;
    for (const ResultRow& row : result.rows) {
        codes.push_back(row.code);
    }
    return codes;
}

TestCollection::Options optionsFor(bool withSearchIndex) {
    TestCollection::Options options;
    options.withSearchIndex = withSearchIndex;
    return options;
}

// Whole words on both engines: the search index, and the texts read into
// memory by a collection built without it.
class WholeWords : public ::testing::TestWithParam<bool> {
protected:
    TestCollection collection{cards(), optionsFor(GetParam())};
    Database db{collection.connectionString()};

    std::set<std::int64_t> found(const char* words, bool wholeWords) {
        return codesOf(
            evaluate(db, WordSearch{q(words), SearchScope::allSections(), true, wholeWords}));
    }
};

TEST_P(WholeWords, FindTheWordsOnlyWhereAWordBeginsAndEnds) {
    struct Case {
        const char* words;
        std::set<std::int64_t> anywhere;
        std::set<std::int64_t> whole;
    };
    const Case cases[] = {
        {"guarda", {1, 2, 3, 4, 5, 6}, {2, 4, 5, 6}},
        {"Guarda dos", {4}, {4}},
        {"art. 227", {4, 5}, {5}},
        {"rda", {1, 2, 3, 4, 5, 6}, {}},
        {"§ 2o", {6}, {6}},  // bounded by the '§' itself
        {"arquivo", {3}, {3}},
        {"direito", {7, 8, 9, 10, 11}, {9, 10, 11}},
        {"o direito", {7, 8, 9, 10, 11}, {9, 10, 11}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(found(c.words, false), c.anywhere) << c.words;
        EXPECT_EQ(found(c.words, true), c.whole) << c.words;
    }
    // Blanks alone list every row, whole or not.
    EXPECT_EQ(found(" ", true), found(" ", false));
}

TEST_P(WholeWords, ANarrowingIsMatchedAsTheChainSays) {
    SearchChain chain{WordSearch{q("a"), SearchScope::allSections()}, {q("guarda")}};
    EXPECT_EQ(codesOf(evaluate(db, chain)), (std::set<std::int64_t>{1, 2, 3, 4, 5, 6}));
    chain.wholeWords = true;
    EXPECT_EQ(codesOf(evaluate(db, chain)), (std::set<std::int64_t>{2, 4, 5, 6}));
}

INSTANTIATE_TEST_SUITE_P(Engines, WholeWords, ::testing::Bool());

class Arrangement : public ::testing::Test {
protected:
    TestCollection collection{{
        card(1, q("Adoção internacional"), {}, q("A"), q("A01"), {}, {q("um texto sem a palavra")}),
        card(2, q("Cadastro"), {}, q("A"), q("A01"), {q("adoção")}, {q("texto")}),
        card(3, q("Bem-estar"), {}, q("A"), q("A01"), {},
             {q("adoção e adoção, a adoção"),
              q("de uma adoção entre muitas outras palavras ditas hoje e sempre")}),
        card(4, q("Abrigo"), {}, q("A"), q("A01"), {},
             {q("uma adoção entre muitas outras palavras ditas aqui")}),
        card(5, q("Acolhimento"), {}, q("A"), q("A01"), {},
             {q("uma adoção entre muitas outras palavras ditas aqui")}),
    }};
    Database db{collection.connectionString()};
    const SearchResult found = evaluate(db, WordSearch{q("adocao"), SearchScope::allSections()});
};

TEST_F(Arrangement, RelevanceIsTitleThenKeyWordsThenMatchesPerWordThenTitleOrder) {
    ASSERT_EQ(orderOf(found), (std::vector<std::int64_t>{4, 5, 1, 3, 3, 2}));
    const SearchResult ordered =
        orderedByRelevance(db, found, {q("adocao")}, WordMatching::Anywhere);
    // Card 3's dense row before 4 and 5, its sparse one after them; 4 and 5
    // alike, in title order.
    EXPECT_EQ(orderOf(ordered), (std::vector<std::int64_t>{1, 2, 3, 4, 5, 3}));
}

TEST_F(Arrangement, GroupingListsEachDocumentOnceAtItsBestRowWithItsCount) {
    const SearchResult grouped = groupedByDocument(found);
    EXPECT_EQ(orderOf(grouped), (std::vector<std::int64_t>{4, 5, 1, 3, 2}));
    EXPECT_EQ(grouped.documentRowCounts, (std::vector<int>{1, 1, 1, 2, 1}));

    const SearchResult byRelevance =
        arranged(db, found, {q("adocao")}, WordMatching::Anywhere, {ResultOrder::Relevance, true});
    EXPECT_EQ(orderOf(byRelevance), (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    const auto third = byRelevance.rows[2];
    const auto denser =
        orderedByRelevance(db, found, {q("adocao")}, WordMatching::Anywhere).rows[2];
    EXPECT_EQ(third, denser);
    // Nothing asked: the result as it was.
    EXPECT_EQ(arranged(db, found, {q("adocao")}, WordMatching::Anywhere, {}), found);
}

// Small and large results are sorted differently: both give the order of
// the rule, stable, with ties of every kind and ratios far apart.
TEST(RelevanceOrder, IsTheStableOrderOfTheRuleForSmallAndLargeResults) {
    for (const size_t rows : {size_t{10}, size_t{1023}, size_t{1024}, size_t{20000}}) {
        std::vector<RowRelevance> relevance;
        std::uint32_t seed = 7;
        for (size_t row = 0; row < rows; ++row) {
            seed = (seed * 1103515245U) + 12345U;
            const std::uint32_t draw = seed >> 8;
            relevance.push_back({draw % 17 == 0, draw % 5 == 0,
                                 draw % 3 == 0 ? 0.0 : 1000.0 * (draw % 40) / (1 + draw % 997)});
        }
        std::vector<std::uint32_t> expected(rows);
        std::iota(expected.begin(), expected.end(), std::uint32_t{0});
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            const RowRelevance& x = relevance[a];
            const RowRelevance& y = relevance[b];
            return std::tuple(x.inTitle, x.inKeyWords, x.matchesPerThousandWords) >
                   std::tuple(y.inTitle, y.inKeyWords, y.matchesPerThousandWords);
        });
        EXPECT_EQ(relevanceOrder(relevance), expected) << rows;
    }
}

}  // namespace
}  // namespace corvanel
