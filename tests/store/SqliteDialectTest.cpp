#include "SqliteDialect.h"
#include "Statements.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using namespace Statements;
using SqliteDialect::translate;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(SqliteDialect, KeywordTestsBecomeOneCallOfTheStoresMatching) {
    EXPECT_EQ(translate(keywordSearch(q("lei"))),
              q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from LABELS, TEXTOS "
                "where (words_match('%lei%', TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod  "
                "order by titulo"));
    EXPECT_EQ(translate(sectionKeywordSearch(q("lei"), q("B"))),
              q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from LABELS, TEXTOS "
                "where (words_match('%lei%', TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod and "
                "LABELS.sessao='B' order by titulo"));
    EXPECT_EQ(translate(subcategoryKeywordSearch(q("lei"), q("A01"))),
              q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from LABELS, TEXTOS "
                "where (words_match('%lei%', TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod and "
                "LABELS.categoria LIKE '%A01%' order by titulo"));
    EXPECT_EQ(translate(narrowingSearch(q("lei"), 0)),
              q("select L.titulo, L.cod, L.subtitulo, T.rowid as texto, L.sessao from LABELS L, "
                "TEXTOS T, LABELS2 L2 where (words_match('%lei%', T.rowid)) and T.cod_texto = L.cod "
                "and L.Cod = L2.cod and L2.ctr=0 order by L.titulo"));
}

TEST(SqliteDialect, WordsWithQuotesParenthesesOrKeywordsStayOneLiteral) {
    EXPECT_TRUE(translate(keywordSearch(q("o'a' or pchave LIKE 'x")))
                    .contains(q("where (words_match('%o''a'' or pchave LIKE ''x%', TEXTOS.rowid)) "
                                "and ")));
    EXPECT_TRUE(translate(narrowingSearch(q("(art. 8º)"), 2))
                    .contains(q("(words_match('%(art. 8º)%', T.rowid)) and ")));
    EXPECT_TRUE(translate(keywordSearch(QString())).contains(q("(words_match('%%', TEXTOS.rowid))")));
}

TEST(SqliteDialect, ListingsReadTheTextRowAndEverythingElsePassesUnchanged) {
    EXPECT_EQ(translate(categoryListing(q("A05"))),
              q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from LABELS, TEXTOS "
                "where categoria LIKE '%A05%' and TEXTOS.cod_texto = LABELS.cod  order by titulo"));
    EXPECT_EQ(translate(collectionListing()),
              q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from LABELS, TEXTOS "
                "where TEXTOS.cod_texto = LABELS.cod order by titulo"));
    EXPECT_EQ(translate(levelListing(-1)),
              q("select L.titulo as titulo, L.cod as cod, L.subtitulo as subtitulo, T.rowid "
                "as texto, L.sessao as sessao from LABELS L, TEXTOS T, Labels2 L2 where "
                "L.cod = T.Cod_texto and L2.cod = L.cod and  L2.ctr =-1"));
    EXPECT_EQ(translate(clearLevelMarks(-1)), q("DELETE FROM LABELS2 where ctr=-1"));
    EXPECT_EQ(translate(q("delete  *  from LABELS2")), q("DELETE FROM LABELS2"));
    for (const QString& unchanged :
         {authorList(), sectionCount(q("A")), contentRootRead(), addMark(q("7"), 0),
          contentRootStore(q("D:\\")), documentTextStart(q("3"), 10),
          // a hand-written test of one column is not the key-word test
          q("select * from LABELS where titulo LIKE '%a%' or conteudo LIKE '%a%'")}) {
        EXPECT_EQ(translate(unchanged), unchanged);
    }
}

}  // namespace
}  // namespace corvanel
