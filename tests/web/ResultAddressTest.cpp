#include "ResultAddress.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

namespace corvanel::web {
namespace {

Request requestOf(const QString& query) {
    Request request;
    for (const auto& [name, value] : QUrlQuery(query).queryItems(QUrl::FullyDecoded)) {
        request.arguments.emplace_back(name, value);
    }
    return request;
}

// An address read and written again is the same address: bookmarks, links
// from e-mail and the back button all come back to the same result.
TEST(ResultAddress, ReadsBackEveryAddressItWrites) {
    const char* const queries[] = {
        "q=crian%C3%A7a",
        "q=a%20b&dentro=c&dentro=d%26e&pagina=3",
        "secao=F&q=vida&onde=F16",
        "secao=C",
        "secao=B&q=lei&dentro=federal",
        "categoria=C11&dentro=guarda",
        "lista=geral&pagina=2",
        "q=guarda&inteira=1&ordem=relevancia&agrupar=1&dentro=c&pagina=2",
        "secao=C&inteira=1",
        "categoria=C11&agrupar=1&dentro=guarda",
    };
    for (const char* query : queries) {
        SCOPED_TRACE(query);
        const auto parsed = ResultAddress::parse(requestOf(QString::fromLatin1(query)));
        ASSERT_TRUE(parsed.chain.has_value()) << parsed.problem.toStdString();
        EXPECT_EQ(ResultAddress::queryOf(*parsed.chain, parsed.page), QString::fromLatin1(query));
    }
}

TEST(ResultAddress, VoltarDropsTheLastStepAndNarrowingAddsOne) {
    const auto parsed = ResultAddress::parse(requestOf(QStringLiteral("q=a&dentro=b&dentro=c")));
    ASSERT_TRUE(parsed.chain.has_value());
    EXPECT_EQ(ResultAddress::previousQuery(*parsed.chain), QStringLiteral("q=a&dentro=b"));
    EXPECT_EQ(ResultAddress::narrowedQuery(*parsed.chain, QStringLiteral("d")),
              QStringLiteral("q=a&dentro=b&dentro=c&dentro=d"));
    // Labels come with the general search, plain rows with a section's own.
    EXPECT_TRUE(isLabelled(parsed.chain->steps.request));
    EXPECT_FALSE(isLabelled(
        ResultAddress::parse(requestOf(QStringLiteral("secao=A"))).chain->steps.request));
}

}  // namespace
}  // namespace corvanel::web
