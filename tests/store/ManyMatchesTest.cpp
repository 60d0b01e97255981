#include "Database.h"
#include "TestCollection.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCard;
using testing::TestCollection;

// Enough cards that a common word lists from the cards held in memory, with
// titles that only Portuguese order sorts right, equal titles, two sections
// and several text rows a card.
QList<TestCard> manyCards() {
    const QStringList titles{q("Água"),   q("agua"), q("Ação"), q("acao"),
                             q("Zênite"), q("élan"), q("Éter"), q("bebê")};
    QList<TestCard> cards;
    for (int i = 1; i <= 900; ++i) {
        const QString section = i % 3 == 0 ? q("B") : q("A");
        QStringList texts{i % 5 == 0 ? q("nada aqui") : q("a criança brinca %1").arg(i)};
        if (i % 2 == 0) {
            texts << q("outra CRIANCA");
        }
        cards << card(i, titles[i % titles.size()], q("Autor %1").arg(i % 7), section,
                      section + (i % 4 == 0 ? q("01") : q("02")), {}, texts);
    }
    cards << card(901, {}, {}, q("A"), q("A02"), {}, {q("criança sem título")});
    return cards;
}

struct Listed {
    QString code;
    QString title;
    QString subtitle;
    QString section;
    std::int64_t row;
    bool operator==(const Listed&) const = default;
};

void PrintTo(const Listed& listed, std::ostream* out) {
    *out << listed.code.toStdString() << '/' << listed.row;
}

Database::DocumentHandler into(std::vector<Listed>& listed) {
    return [&listed](const ListedDocument& d) {
        listed.push_back({d.code, d.title, d.subtitle, d.section, d.textRow});
    };
}

// What a search must list: the collection's own listing (title order) kept
// where the row holds the word and the card passes the scope.
std::vector<Listed> expected(Database& database, const std::function<bool(const Listed&)>& keep) {
    std::vector<Listed> all;
    database.listCollection(into(all));
    std::vector<Listed> kept;
    for (const Listed& listed : all) {
        const QString text = database.documentTextStart(listed.row, 1000);
        if (text.contains(q("crian"), Qt::CaseInsensitive) && keep(listed)) {
            kept.push_back(listed);
        }
    }
    return kept;
}

TEST(ManyMatches, ListInTitleOrderWithEveryScopeAsTheCollectionsListingDoes) {
    TestCollection collection(manyCards());
    Database database(collection.connectionString());
    const QString word = q("crianca");

    std::vector<Listed> all;
    const int count = database.searchWords(word, SearchScope::allSections(), into(all));
    EXPECT_EQ(count, static_cast<int>(all.size()));
    EXPECT_EQ(all, expected(database, [](const Listed&) { return true; }));
    ASSERT_GT(all.size(), 1000u);

    std::vector<Listed> inSection;
    database.searchWords(word, SearchScope::section(q("B")), into(inSection));
    EXPECT_EQ(inSection, expected(database, [](const Listed& l) { return l.section == q("B"); }));
    ASSERT_FALSE(inSection.empty());

    std::vector<Listed> inSubcategory;
    database.searchWords(word, SearchScope::subcategory(q("a01")), into(inSubcategory));
    EXPECT_EQ(inSubcategory, expected(database, [](const Listed& l) {
                  return l.section == q("A") && l.code.toInt() % 4 == 0;
              }));
    ASSERT_FALSE(inSubcategory.empty());

    // Narrowing among documents: each row once.
    QSet<std::int64_t> among;
    for (int cod = 1; cod <= 901; cod += 2) {
        among.insert(cod);
    }
    std::vector<Listed> narrowed;
    database.narrowWords(word, among, into(narrowed));
    EXPECT_EQ(narrowed,
              expected(database, [](const Listed& l) { return l.code.toInt() % 2 == 1; }));
}

// A collection without its index orders its many rows from the ranks taken
// when it is opened, and lists the same.
TEST(ManyMatches, ACollectionWithoutTheIndexListsTheSame) {
    const QList<TestCard> cards = manyCards();
    TestCollection indexed(cards);
    TestCollection earlier(cards, {.root = {}, .withSearchIndex = false});
    Database withIndex(indexed.connectionString());
    Database without(earlier.connectionString());
    ASSERT_FALSE(without.hasSearchIndex());
    without.startIndexingTexts();
    for (const SearchScope& scope : {SearchScope::allSections(), SearchScope::section(q("A")),
                                     SearchScope::subcategory(q("B01"))}) {
        std::vector<Listed> fromIndex;
        std::vector<Listed> fromTexts;
        withIndex.searchWords(q("CRIANÇA"), scope, into(fromIndex));
        without.searchWords(q("CRIANÇA"), scope, into(fromTexts));
        EXPECT_EQ(fromTexts, fromIndex) << scope.filter.toStdString();
        EXPECT_FALSE(fromIndex.empty());
    }
}

}  // namespace
}  // namespace corvanel
