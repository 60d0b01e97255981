#include "Database.h"
#include "SearchResult.h"
#include "TestCollection.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::TestCollection;

class SearchResults : public ::testing::Test {
protected:
    TestCollection collection{testing::fixtureCards(q("listings.jsonl"))};
    Database db{collection.connectionString()};
};

// A chain is a value: the same chain gives the same rows on any connection,
// whatever else that connection listed before or in between.
TEST_F(SearchResults, AChainGivesTheSameRowsOnAnyConnectionWhateverRanBefore) {
    const SearchChain chain{WordSearch{q("a"), SearchScope::allSections()}, {q("silva"), q("e")}};
    const SearchResult first = evaluate(db, chain);
    ASSERT_FALSE(first.rows.empty());

    Database other(collection.connectionString());
    evaluate(other, SearchChain{CollectionListing{}, {q("o")}});
    const SearchResult again = evaluate(other, chain);
    evaluate(db, SearchChain{WordSearch{q("de"), SearchScope::allSections()}, {}});
    EXPECT_EQ(again, first);
    EXPECT_EQ(evaluate(db, chain), first);

    // Step by step, as a window narrows.
    const SearchResult searched = evaluate(db, chain.request);
    EXPECT_EQ(narrow(db, narrow(db, searched, q("silva")), q("e")), first);
}

TEST_F(SearchResults, NarrowingLooksAmongALabelledResultsDocumentsOnly) {
    const SearchResult listing = evaluate(db, CollectionListing{});
    ASSERT_TRUE(listing.labelled);
    const SearchResult everyRow = narrow(db, listing, QString());
    EXPECT_EQ(everyRow.rows.size(), listing.rows.size());  // each text row once

    // A category listing is shown plain: a narrowing finds nothing in it.
    const SearchResult category = evaluate(db, CategoryListing{q("A")});
    ASSERT_FALSE(category.rows.empty());
    EXPECT_FALSE(category.labelled);
    EXPECT_TRUE(narrow(db, category, QString()).rows.empty());
    // A section's own search too.
    const SearchResult plainSearch =
        evaluate(db, WordSearch{q("a"), SearchScope::section(q("A")), /*underLabels=*/false});
    ASSERT_FALSE(plainSearch.rows.empty());
    EXPECT_TRUE(narrow(db, plainSearch, q("a")).rows.empty());
}

TEST_F(SearchResults, RowsListedAgainAreTheCardsInTheirOrder) {
    const SearchResult found = evaluate(db, WordSearch{q("a"), SearchScope::allSections()});
    std::vector<ResultRow> listed;
    const int count = listRows(db, found.rows, [&](const ListedDocument& card) {
        listed.push_back({card.code.toLongLong(), card.textRow});
    });
    EXPECT_EQ(count, found.count());
    EXPECT_EQ(listed, found.rows);

    const SearchResult authors = evaluate(db, AuthorListing{});
    EXPECT_TRUE(authors.rows.empty());
    EXPECT_EQ(authors.count(), authors.authors.size());
    EXPECT_FALSE(authors.authors.isEmpty());
}

}  // namespace
}  // namespace corvanel
