#include "Catalogue.h"

#include "QtPrinters.h"

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
    EXPECT_EQ(first.titulo, QStringLiteral("Água")) << "after a byte-order mark";
    EXPECT_EQ(first.pchave, QStringLiteral("saúde")) << "before a CR LF";
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

TEST(Catalogue, AcceptsEverySectionTheProgramListsAndWholeCharacters) {
    QByteArray data;
    for (const char* section : {"A", "B", "C", "D", "E", "H"}) {
        data += "{\"cod\": " + QByteArray::number(data.count('\n') + 1) + ", \"sessao\": \"" +
                section + "\"}\n";
    }
    // A surrogate pair is one character; names repeat freely inside values.
    data +=
        "{\"cod\": 9223372036854775807, \"titulo\": \"\\ud83d\\ude00 \\\"cod\\\": 1\", "
        "\"conteudo\": [\"cod\", \"cod\"]}\n";
    const QList<CatalogueEntry> entries = parseCatalogue(data, {});
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[5].card.sessao, QStringLiteral("H"));
    EXPECT_EQ(entries[6].card.cod, 9223372036854775807LL);
    EXPECT_EQ(entries[6].card.titulo, QStringLiteral("😀 \"cod\": 1"));
    EXPECT_TRUE(entries[6].card.sessao.isEmpty()) << "a card may have no section";
}

}  // namespace
}  // namespace corvanel::collection
