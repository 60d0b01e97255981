#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "Statements.h"
#include "TestCollection.h"

#include <QFile>
#include <QStringList>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// The titles a statement lists, in result order.
QStringList titles(Database& db, const QString& sql) {
    QStringList result;
    db.list(sql, [&](const Row& row) { result << row.field(u"titulo"); });
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
    TestCollection collection{accentCards()};
    Database db{collection.connectionString()};
};

TEST_F(DatabaseTest, LikeIgnoresCaseAndAccentsForPortuguese) {
    // Both text rows of the law join its card, and its title holds no "educação".
    EXPECT_EQ(titles(db, Statements::keywordSearch(q("educacao"))),
              QStringList{q("LEI Nº 8.069")});
    EXPECT_EQ(titles(db, Statements::keywordSearch(q("EDUCAÇÃO"))),
              QStringList{q("LEI Nº 8.069")});
    // Listed once for each of its two text rows.
    EXPECT_EQ(titles(db, Statements::keywordSearch(q("lei"))),
              (QStringList{q("LEI Nº 8.069"), q("LEI Nº 8.069")}));
    EXPECT_EQ(titles(db, Statements::keywordSearch(q("agua"))),
              (QStringList{q("Abrigo"), q("Água potável nas escolas")}));
    // A pattern that changes from row to row.
    EXPECT_EQ(db.countRows(q("select * from LABELS where upper(titulo) LIKE lower(titulo)")), 7);
}

TEST_F(DatabaseTest, SearchWithAnApostropheFindsWhatItNames) {
    EXPECT_EQ(titles(db, Statements::keywordSearch(q("d'água"))), QStringList{q("Abrigo")});
    EXPECT_EQ(titles(db, Statements::sectionKeywordSearch(q("d'agua"), q("E"))),
              QStringList{q("Abrigo")});
    EXPECT_TRUE(titles(db, Statements::keywordSearch(q("'; drop table LABELS; --"))).isEmpty());
    EXPECT_EQ(db.countRows(Statements::collectionCount()), 7);
}

TEST_F(DatabaseTest, ListingsSortInPortugueseOrder) {
    EXPECT_EQ(titles(db, Statements::collectionListing()),
              (QStringList{q("Abrigo"), q("ação civil pública"), q("Ação de alimentos"),
                           q("Água potável nas escolas"), q("LEI Nº 8.069"), q("LEI Nº 8.069"),
                           q("Zona rural")}));
    QStringList authors;
    db.list(Statements::authorList(), [&](const Row& row) { authors << row.field(u"autor"); });
    EXPECT_EQ(authors, (QStringList{q("Autor B"), q("Autor Z")}));
}

TEST_F(DatabaseTest, TheEngineCountsAndACardCountsInEachOfItsSections) {
    int pumped = 0;
    EXPECT_EQ(db.countRows(Statements::sectionCount(q("A")), [&] { ++pumped; }), 2);
    EXPECT_EQ(pumped, 1);  // once, not after every row
    EXPECT_EQ(db.countRows(Statements::sectionCount(q("B"))), 3);
    // A card without text rows is counted but never listed.
    EXPECT_EQ(db.countRows(Statements::sectionCount(q("D"))), 1);
    EXPECT_TRUE(titles(db, Statements::categoryListing(q("D01"))).isEmpty());
}

TEST_F(DatabaseTest, ReadsOneValueAndFieldsByNameAsText) {
    EXPECT_EQ(db.readOneValue(Statements::contentRootRead(), u"TIPO"), collection.contentFolder());
    QStringList codes;
    db.list(Statements::categoryListing(q("B06")), [&](const Row& row) {
        codes << row.field(u"cod") + q("|") + row.field(u"sessao");
    });
    EXPECT_EQ(codes, QStringList{q("3|A")});
    EXPECT_THROW(db.list(Statements::categoryListing(q("B06")),
                         [](const Row& row) { row.field(u"inexistente"); }),
                 DatabaseError);
}

TEST_F(DatabaseTest, MarksNarrowAndStepBackThroughLevels) {
    const int rows = db.list(Statements::keywordSearch(q("al")), [&](const Row& row) {
        db.execute(Statements::addMark(row.field(u"cod"), 0));
    });
    ASSERT_EQ(rows, 2);
    EXPECT_EQ(titles(db, Statements::narrowingSearch(q("alimentos"), 0)),
              QStringList{q("Ação de alimentos")});
    EXPECT_EQ(titles(db, Statements::levelListing(0)).size(), rows);
    db.execute(Statements::clearLevelMarks(0));
    EXPECT_TRUE(titles(db, Statements::levelListing(0)).isEmpty());

    db.execute(Statements::addMark(q("6"), -1));
    EXPECT_EQ(titles(db, Statements::levelListing(-1)).size(), 2);  // one per text row
    db.execute(Statements::clearAllMarks());
    EXPECT_TRUE(titles(db, Statements::levelListing(-1)).isEmpty());
}

TEST_F(DatabaseTest, TwoConnectionsKeepTheirMarksApart) {
    Database other(collection.connectionString());
    db.execute(Statements::addMark(q("1"), 0));
    other.execute(Statements::addMark(q("2"), 0));
    other.execute(Statements::clearAllMarks());
    EXPECT_EQ(titles(db, Statements::levelListing(0)), QStringList{q("Zona rural")});
    EXPECT_TRUE(titles(other, Statements::levelListing(0)).isEmpty());
}

TEST_F(DatabaseTest, MalformedOrDoubleStatementsRaiseTheEngineMessage) {
    try {
        db.execute(q("select * from NAO_EXISTE"));
        FAIL() << "no error raised";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(q("NAO_EXISTE"))) << error.message().toStdString();
    }
    EXPECT_THROW(db.execute(q("delete from LABELS; delete from TEXTOS")), DatabaseError);
    EXPECT_EQ(db.countRows(Statements::collectionCount()), 7);
}

TEST(DatabaseFile, ReadOnlyFileStillListsSearchesAndMarks) {
    TestCollection collection(accentCards());
    ASSERT_TRUE(QFile::setPermissions(collection.databasePath(),
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    // Root may write any file whatever its permissions; asking for a
    // read-only connection gives the same engine state as read-only media.
    Database db(collection.connectionString() + q(" Mode=Read;"));
    ASSERT_TRUE(db.isReadOnly());
    EXPECT_THROW(db.execute(q("delete from LABELS")), DatabaseError);
    db.execute(Statements::clearAllMarks());
    db.list(Statements::keywordSearch(q("alimentos")), [&](const Row& row) {
        db.execute(Statements::addMark(row.field(u"cod"), 0));
    });
    EXPECT_EQ(titles(db, Statements::narrowingSearch(QString(), 0)),
              QStringList{q("Ação de alimentos")});
    db.execute(Statements::clearLevelMarks(0));
}

TEST(DatabaseFile, OpeningFailsClearlyForAWrongPasswordAMissingFileOrAnotherFile) {
    TestCollection collection({});
    QString wrong = collection.connectionString();
    wrong.replace(q("tevaluqim"), q("outra"));
    try {
        Database db(wrong);
        FAIL() << "opened with a wrong password";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(q("senha inválida"))) << error.message().toStdString();
    }

    try {
        Database db(connectionStringFor(collection.programFolder() + q("/nada")));
        FAIL() << "opened a missing file";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(q("não existe")));
    }
    EXPECT_FALSE(QFile::exists(collection.programFolder() + q("/nada/db3.mdb")));

    QFile text(collection.databasePath());
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write("isto não é um banco de dados, apenas um texto comprido o bastante para ser lido");
    text.close();
    try {
        Database db(collection.connectionString());
        FAIL() << "opened a text file";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(q("não é um banco de dados válido")))
            << error.message().toStdString();
    }
}

TEST(DatabaseFile, RootWithoutItsControlRowReadsEmpty) {
    TestCollection::Options options;
    options.withRootRow = false;
    TestCollection collection({}, options);
    Database db(collection.connectionString());
    EXPECT_TRUE(db.readOneValue(Statements::contentRootRead(), u"tipo").isEmpty());
}

}  // namespace
}  // namespace corvanel
