#include "Database.h"
#include "ResultAddress.h"
#include "ResultCache.h"
#include "ResultPages.h"
#include "ServedCollection.h"

#include <gtest/gtest.h>

namespace corvanel::testing {
namespace {

// Whatever the cache holds or has let go, it answers what evaluating the
// chain answers, and shows the rows of its pages as they are listed (with
// their passages when asked by words), for chains asked in turn and again.
TEST(ResultCache, AnswersWhatEvaluatingAnswersWhateverItKeeps) {
    Database database(servedCollection().collection().connectionString());
    const QList<web::ResultChain> chains{
        {SearchChain{WordSearch{q("comum"), SearchScope::allSections()}, {}}, {}},
        {SearchChain{WordSearch{q("comum"), SearchScope::allSections()}, {q("007")}}, {}},
        {SearchChain{WordSearch{q("proteção"), SearchScope::allSections()}, {}}, {}},
        {SearchChain{CategoryListing{q("C11")}, {}}, {}},
        {SearchChain{CollectionListing{}, {q("comum"), q("1")}}, {}},
        {SearchChain{WordSearch{q(" "), SearchScope::section(q("B")), false}, {}}, q("B")},
    };
    for (const std::size_t budget : {std::size_t{0}, std::size_t{150}, std::size_t{100000}}) {
        web::ResultCache cache(budget, budget);
        for (int round = 0; round < 2; ++round) {
            for (const web::ResultChain& chain : chains) {
                SCOPED_TRACE(web::ResultAddress::queryOf(chain).toStdString());
                const auto result = web::resultOf(cache, database, chain);
                EXPECT_EQ(*result, evaluate(database, chain.steps));
                for (const int page : {1, 3}) {
                    const int first = (page - 1) * web::ResultAddress::kRowsPerPage;
                    std::vector<web::ShownRow> listed =
                        web::shownRows(database, *result, first, web::ResultAddress::kRowsPerPage);
                    if (!chain.words().isEmpty()) {
                        web::addPassages(database, listed, chain.words(),
                                         chain.steps.narrowingMatching());
                    }
                    EXPECT_EQ(*web::shownPage(cache, database, chain, *result, page), listed);
                }
            }
        }
    }
}

// A page sent again from the cache is the page written anew, and a page past
// the end stays an error whatever is held.
TEST(ResultCache, APageSentAgainIsThePageWrittenAnew) {
    Database database(servedCollection().collection().connectionString());
    web::ResultCache keeping;
    web::ResultCache forgetting(0, 0, 0);
    const std::vector<std::pair<QString, QString>> addresses[] = {
        {{q("q"), q("guarda")}},
        {{q("q"), q("guarda")}, {q("inteira"), q("1")}},
        {{q("q"), q("comum")}, {q("pagina"), q("3")}},
        {{q("q"), q("comum")}, {q("pagina"), q("2")}},
        {{q("q"), q("comum")}, {q("pagina"), q("9")}},
        {{q("categoria"), q("C11")}},
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& arguments : addresses) {
            const web::Request request{q("/resultado"), arguments};
            SCOPED_TRACE(arguments.back().second.toStdString());
            const web::Reply kept = web::resultPage(database, keeping, request);
            const web::Reply written = web::resultPage(database, forgetting, request);
            EXPECT_EQ(kept.status, written.status);
            EXPECT_EQ(kept.body, written.body);
        }
    }
}

}  // namespace
}  // namespace corvanel::testing
