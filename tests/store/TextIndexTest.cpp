#include "DatabaseError.h"
#include "MatchingFunctions.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "TextIndex.h"
#include "TextMatching.h"

#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QList<TestCard> cards() {
    return {
        card(1, q("abc"), q("Autor"), q("A"), q("A01"), q("def"), {q("ghi")}),
        card(2, q("Água potável"), q("Ministério da Saúde"), q("B"), q("B07"), q("saneamento"),
             {q("Direito à EDUCAÇÃO\nsegunda linha"), q("poços d'água e 100% cisternas")}),
        card(3, q("Ação civil pública"), q("STJ"), q("C"), q("C13"), q("processo_civil"),
             {q("Súmula 383: a competência é do foro do domicílio")}),
        card(4, q("Sem texto"), q("Autor E"), q("D"), q("D01"), q("vazio"), {}),
        card(5, q("Art. 8º, 2ª parte"), q("Congresso"), q("E"), q("E01"), q(""), {q("")}),
        card(6, q("Nulos"), q("Nulos"), q("H"), q("H01"), q("x"), {q("texto")}),
    };
}

// Card 6 with every searched field NULL, as a file made elsewhere may hold.
void nullCardSix(const QString& databasePath) {
    sqlite::Connection(databasePath, sqlite::OpenMode::ReadWrite)
        .executeScript(
            "update LABELS set titulo = NULL, subtitulo = NULL, pchave = NULL "
            "where cod = 6; update TEXTOS set conteudo = NULL where cod_texto = 6");
}

// The text rows the catalogue's own definition finds: LIKE on each of the
// four fields, as the engine evaluates it with the store's LIKE.
std::vector<std::int64_t> rowsByLike(sqlite::Connection& db, const QString& pattern) {
    sqlite::Statement query(db,
                            "select T.rowid from TEXTOS T, LABELS L where (L.titulo LIKE :p or "
                            "L.pchave LIKE :p or L.subtitulo LIKE :p or T.conteudo LIKE :p) and "
                            "T.cod_texto = L.cod order by T.rowid");
    query.bind(":p", pattern);
    std::vector<std::int64_t> rows;
    while (query.step()) {
        rows.push_back(query.int64(0));
    }
    return rows;
}

TEST(TextIndex, FindsExactlyWhatLikeFindsInTheFourFields) {
    TestCollection collection(cards());
    nullCardSix(collection.databasePath());
    sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadOnly);
    MatchingFunctions::defineLike(db);
    const std::atomic<bool> stop{false};
    const TextIndex index = TextIndex::load(collection.databasePath(), stop);
    EXPECT_EQ(index.rowCount(), 6u);  // card 2 has two text rows, card 4 none

    const QStringList words{q("abc"),       q("cd"),    q("c%d"),    q("educacao"), q("EDUCAÇÃO"),
                            q("d'agua"),    q("100%"),  q("o_c"),    q("%"),        q("_"),
                            q(""),          q(" "),     q("8o, 2a"), q("linha\n"),  q("saúde"),
                            q("a%a%a"),     q("ção%ú"), q("nada"),   q("sumula 3"), q("ghi"),
                            q("\nsegunda"), q("x")};
    int found = 0;
    for (const QString& word : words) {
        const QString pattern = u'%' + word + u'%';
        const std::vector<std::int64_t> expected = rowsByLike(db, pattern);
        const LikePattern like(pattern.toStdString());
        EXPECT_EQ(index.matchingTextRows(like, 1), expected) << pattern.toStdString();
        EXPECT_EQ(index.matchingTextRows(like, 3), expected) << pattern.toStdString();
        found += expected.empty() ? 0 : 1;
    }
    // The words are not all alike: some find rows, some find none.
    EXPECT_GT(found, 5);
    EXPECT_LT(found, static_cast<int>(words.size()));
}

TEST(TextIndex, AFailedLoadIsTriedAgain) {
    QTemporaryDir folder;
    const QString path = folder.filePath(q("db3.mdb"));
    TextIndexLoader loader(path);
    loader.start();
    EXPECT_THROW(loader.index(), DatabaseError);

    TestCollection collection(cards());
    ASSERT_TRUE(QFile::copy(collection.databasePath(), path));
    EXPECT_EQ(loader.index().rowCount(), 6u);
}

}  // namespace
}  // namespace corvanel
