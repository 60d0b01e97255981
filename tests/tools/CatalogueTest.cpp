#include "BuildError.h"
#include "Catalogue.h"

#include <gtest/gtest.h>

namespace corvanel::collection {
namespace {

TEST(Catalogue, ReadsCardsSkippingBlankLinesAndCountingThem) {
    const QByteArray data =
        "\xEF\xBB\xBF{\"cod\": 5, \"titulo\": \"Água\", \"subtitulo\": \"Autor\", \"sessao\": "
        "\"A\", \"categoria\": \"A05 F06\", \"pchave\": \"saúde\"}\r\n"
        "\n"
        "   \t\n"
        "{\"cod\": 7, \"conteudo\": \"texto\"}\n"
        "{\"cod\": 8, \"conteudo\": [\"um\", \"dois\"]}\n"
        "{\"cod\": 9, \"conteudo\": []}";
    const QList<CatalogueEntry> entries = parseCatalogue(data, QStringLiteral("c.jsonl"));

    ASSERT_EQ(entries.size(), 4);
    const Card& first = entries[0].card;
    EXPECT_EQ(first.cod, 5);
    EXPECT_EQ(first.titulo, QStringLiteral("Água"));
    EXPECT_EQ(first.subtitulo, QStringLiteral("Autor"));
    EXPECT_EQ(first.sessao, QStringLiteral("A"));
    EXPECT_EQ(first.categoria, QStringLiteral("A05 F06"));
    EXPECT_EQ(first.pchave, QStringLiteral("saúde"));
    EXPECT_FALSE(entries[0].hasText);
    EXPECT_EQ(entries[0].line, 1);

    EXPECT_EQ(entries[1].line, 4);
    EXPECT_TRUE(entries[1].hasText);
    EXPECT_EQ(entries[1].card.texts, QStringList{QStringLiteral("texto")});
    EXPECT_TRUE(entries[1].card.titulo.isEmpty());
    EXPECT_EQ(entries[2].card.texts.size(), 2);
    EXPECT_TRUE(entries[3].hasText);
    EXPECT_TRUE(entries[3].card.texts.isEmpty());
    EXPECT_EQ(entries[3].line, 6);
}

TEST(Catalogue, AcceptsWholeNumbersWrittenAsDecimals) {
    // JSON does not tell 12 from 12.0 apart for the reader either.
    const auto entries = parseCatalogue("{\"cod\": 12.0}\n{\"cod\": 3000000000}", {});
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].card.cod, 12);
    EXPECT_EQ(entries[1].card.cod, 3000000000LL);
}

TEST(Catalogue, NamesTheFileAndLineOfAFault) {
    try {
        parseCatalogue("{\"cod\": 1}\n{\"cod\": 2, \"sessao\": null}\n",
                       QStringLiteral("dir/catalogue.jsonl"));
        FAIL() << "no error";
    } catch (const BuildError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("dir/catalogue.jsonl:2: o campo \"sessao\" deve ser um texto, "
                                 "não null"));
    }
}

}  // namespace
}  // namespace corvanel::collection
