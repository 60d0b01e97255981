#include "Database.h"
#include "DatabaseError.h"
#include "TestCollection.h"

#include <QFile>
#include <QStringList>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

using testing::card;
using testing::TestCard;
using testing::TestCollection;

// The titles a listing lists, in order.
template <typename Listing>
QStringList titles(Listing&& listing) {
    QStringList result;
    listing([&](const ListedDocument& row) { result << row.title; });
    return result;
}

QList<TestCard> accentCards() {
    return {
        card(1, q("Zona rural"), q("Autor Z"), q("A"), q("A02"), q("campo")),
        card(2, q("Água potável nas escolas"), q("Autor A"), q("B"), q("B07"), q("saneamento")),
        card(3, q("ação civil pública"), q("Autor B"), q("A"), q("A03 B06"), q("processo")),
        card(4, q("Ação de alimentos"), q("Autor C"), q("C"), q("C04"), q("família")),
        card(5, q("Abrigo"), q("Autor D"), q("E"), q("E01"), q("acolhimento"),
             {q("Poços d'água e cisternas")}),
        card(6, q("LEI Nº 8.069"), q("Estatuto"), q("B"), q("B02"), q("eca"),
             {q("Direito à Educação"), q("Segunda parte")}),
        card(7, q("Sem texto"), q("Autor E"), q("D"), q("D01"), q("vazio"), {}),
    };
}

class DatabaseTest : public ::testing::Test {
protected:
    QStringList search(const char* words, SearchScope scope = SearchScope::allSections()) {
        return titles([&](const auto& handler) { db.searchWords(q(words), scope, handler); });
    }

    QStringList listed(const std::vector<ResultRow>& rows) {
        return titles([&](const auto& handler) { db.listRows(rows, handler); });
    }

    TestCollection collection{accentCards()};
    Database db{collection.connectionString()};
};

TEST_F(DatabaseTest, SearchesIgnoreCaseAndAccentsForPortuguese) {
    // Both text rows of the law join its card, and its title holds no "educação".
    EXPECT_EQ(search("educacao"), QStringList{q("LEI Nº 8.069")});
    EXPECT_EQ(search("EDUCAÇÃO"), QStringList{q("LEI Nº 8.069")});
    // Listed once for each of its two text rows.
    EXPECT_EQ(search("lei"), (QStringList{q("LEI Nº 8.069"), q("LEI Nº 8.069")}));
    EXPECT_EQ(search("agua"), (QStringList{q("Abrigo"), q("Água potável nas escolas")}));
    EXPECT_EQ(search("a", SearchScope::section(q("B"))).size(), 3);
    EXPECT_EQ(search("a", SearchScope::subcategory(q("B0"))),
              (QStringList{q("ação civil pública"), q("Água potável nas escolas"),
                           q("LEI Nº 8.069"), q("LEI Nº 8.069")}));
}

TEST_F(DatabaseTest, WordsWithQuotesAreSearchedForAsTheyAre) {
    EXPECT_EQ(search("d'água"), QStringList{q("Abrigo")});
    EXPECT_EQ(search("d'agua", SearchScope::section(q("E"))), QStringList{q("Abrigo")});
    EXPECT_TRUE(search("d'agua", SearchScope::section(q("E'"))).isEmpty());
    EXPECT_TRUE(search("'; drop table LABELS; --").isEmpty());
    EXPECT_TRUE(search("') or 1=1 or ('").isEmpty());
    EXPECT_TRUE(titles([&](const auto& handler) {
                    db.listCategory(q("A0' or '1'='1"), handler);
                }).isEmpty());
    EXPECT_EQ(db.countSection(q("' or 1=1 --")), 0);
    EXPECT_EQ(db.countDocuments(), 7);
}

TEST_F(DatabaseTest, ListingsSortInPortugueseOrder) {
    EXPECT_EQ(titles([&](const auto& handler) { db.listCollection(handler); }),
              (QStringList{q("Abrigo"), q("ação civil pública"), q("Ação de alimentos"),
                           q("Água potável nas escolas"), q("LEI Nº 8.069"), q("LEI Nº 8.069"),
                           q("Zona rural")}));
    QStringList authors;
    EXPECT_EQ(db.listAuthors([&](const QString& author) { authors << author; }), 2);
    EXPECT_EQ(authors, (QStringList{q("Autor B"), q("Autor Z")}));
}

TEST_F(DatabaseTest, CountsReadTheCardsAloneAndPumpOnce) {
    int pumped = 0;
    EXPECT_EQ(db.countSection(q("A"), [&] { ++pumped; }), 2);
    EXPECT_EQ(pumped, 1);
    EXPECT_EQ(db.countDocuments([&] { ++pumped; }), 7);
    EXPECT_EQ(pumped, 2);
    // A card filed under two sections counts in both.
    EXPECT_EQ(db.countSection(q("B")), 3);
    // A card without text rows is counted but never listed.
    EXPECT_EQ(db.countSection(q("D")), 1);
    EXPECT_TRUE(titles([&](const auto& handler) { db.listCategory(q("D01"), handler); }).isEmpty());
}

TEST_F(DatabaseTest, ListedRowsCarryTheirCardAndTextRow) {
    std::vector<ListedDocument> rows;
    db.listCategory(q("B06"), [&](const ListedDocument& row) { rows.push_back(row); });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].code, q("3"));
    EXPECT_EQ(rows[0].subtitle, q("Autor B"));
    EXPECT_EQ(rows[0].section, q("A"));
    EXPECT_EQ(db.documentTextStart(rows[0].textRow, 100), q("texto"));

    QStringList texts;
    db.searchWords(q("estatuto"), SearchScope::allSections(), [&](const ListedDocument& row) {
        texts << db.documentTextStart(row.textRow, 7);
    });
    EXPECT_EQ(texts, (QStringList{q("Direito"), q("Segunda")}));
    EXPECT_TRUE(db.documentTextStart(9999, 10).isEmpty());
}

TEST_F(DatabaseTest, TheContentRootIsReadAndStoredWhateverItHolds) {
    EXPECT_EQ(db.contentRoot(), collection.contentFolder());
    const QString folder = q("/mídia/Coleção d'Água/");
    db.storeContentRoot(folder);
    EXPECT_EQ(db.contentRoot(), folder);
    EXPECT_EQ(Database(collection.connectionString()).contentRoot(), folder);
}

TEST_F(DatabaseTest, NarrowsAmongDocumentsAndListsRowsAgain) {
    std::vector<ResultRow> rows;
    QSet<std::int64_t> codes;
    db.searchWords(q("al"), SearchScope::allSections(), [&](const ListedDocument& row) {
        rows.push_back({row.code.toLongLong(), row.textRow});
        codes.insert(row.code.toLongLong());
    });
    ASSERT_EQ(codes.size(), 2);
    EXPECT_EQ(titles([&](const auto& h) { db.narrowWords(q("alimentos"), codes, h); }),
              QStringList{q("Ação de alimentos")});
    EXPECT_TRUE(titles([&](const auto& h) { db.narrowWords(QString(), {}, h); }).isEmpty());
    EXPECT_EQ(listed(rows).size(), 2);

    // Every text row of a document; a row given twice is listed once, in its
    // first place, and a row whose card is gone not at all.
    const QStringList both = titles([&](const auto& h) { db.narrowWords(QString(), {6}, h); });
    EXPECT_EQ(both.size(), 2);
    std::vector<ResultRow> again;
    db.narrowWords(QString(), {6}, [&](const ListedDocument& row) {
        again.push_back({6, row.textRow});
    });
    again.push_back(again.front());
    again.push_back({999, 999});
    EXPECT_EQ(listed(again), both);
}

TEST(DatabaseFile, ReadOnlyFileStillListsSearchesAndNarrows) {
    TestCollection collection(accentCards());
    ASSERT_TRUE(QFile::setPermissions(collection.databasePath(),
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    // Root may write any file whatever its permissions; asking for a
    // read-only connection gives the same engine state as read-only media.
    Database db(collection.connectionString() + q(" Mode=Read;"));
    ASSERT_TRUE(db.isReadOnly());
    EXPECT_THROW(db.storeContentRoot(q("/outra/")), DatabaseError);
    QSet<std::int64_t> codes;
    db.searchWords(q("alimentos"), SearchScope::allSections(),
                   [&](const ListedDocument& row) { codes.insert(row.code.toLongLong()); });
    EXPECT_EQ(titles([&](const auto& h) { db.narrowWords(QString(), codes, h); }),
              QStringList{q("Ação de alimentos")});
}

TEST(DatabaseFile, RootWithoutItsControlRowReadsEmpty) {
    TestCollection::Options options;
    options.withRootRow = false;
    TestCollection collection({}, options);
    Database db(collection.connectionString());
    EXPECT_TRUE(db.contentRoot().isEmpty());
}

}  // namespace
}  // namespace corvanel
