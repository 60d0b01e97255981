#include "Statements.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using namespace Statements;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(Statements, AssembledExamplesComeOutCharacterForCharacter) {
    EXPECT_EQ(keywordSearch(q("lei")),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "(titulo LIKE '%lei%' or pchave LIKE '%lei%' or subtitulo LIKE '%lei%' or "
                "conteudo LIKE '%lei%') and TEXTOS.cod_texto = LABELS.cod  order by titulo"));
    EXPECT_EQ(sectionKeywordSearch(q("lei"), q("B")),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "(titulo LIKE '%lei%' or pchave LIKE '%lei%' or subtitulo LIKE '%lei%' or "
                "conteudo LIKE '%lei%') and TEXTOS.cod_texto = LABELS.cod and "
                "LABELS.sessao='B' order by titulo"));
    EXPECT_EQ(subcategoryKeywordSearch(q("lei"), q("A01")),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "(titulo LIKE '%lei%' or pchave LIKE '%lei%' or subtitulo LIKE '%lei%' or "
                "conteudo LIKE '%lei%') and TEXTOS.cod_texto = LABELS.cod and "
                "LABELS.categoria LIKE '%A01%' order by titulo"));
    EXPECT_EQ(categoryListing(q("A05")),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "categoria LIKE '%A05%' and TEXTOS.cod_texto = LABELS.cod  order by titulo"));
    EXPECT_EQ(authorList(),
              q("select distinct subtitulo as autor from LABELS  where sessao ='A' order by "
                "subtitulo"));
    EXPECT_EQ(narrowingSearch(q("lei"), 0),
              q("select L.titulo, L.cod, L.subtitulo, T.conteudo, L.sessao from LABELS L, "
                "TEXTOS T, LABELS2 L2 where (L.titulo LIKE '%lei%' or L.pchave LIKE '%lei%' or "
                "L.subtitulo LIKE '%lei%' or T.conteudo LIKE '%lei%') and T.cod_texto = L.cod "
                "and L.Cod = L2.cod and L2.ctr=0 order by L.titulo"));
    EXPECT_EQ(addMark(q("123"), -1), q("Insert into LABELS2(cod, ctr) values (123, -1) "));
    EXPECT_EQ(documentTextStart(q("42"), 900),
              q("select substr(conteudo, 1, 900) as conteudo from TEXTOS where rowid = 42"));
}

TEST(Statements, FixedAndNumberedStatements) {
    EXPECT_EQ(collectionCount(), q("select * from LABELS"));
    EXPECT_EQ(sectionCount(q("A")), q("select * from LABELS where categoria LIKE '%A%'"));
    EXPECT_EQ(contentRootRead(), q("select tipo from CONTROLE where topo =1"));
    EXPECT_EQ(contentRootStore(q("E:\\")), q("update CONTROLE set tipo = 'E:\\'"));
    EXPECT_EQ(collectionListing(),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "TEXTOS.cod_texto = LABELS.cod order by titulo"));
    EXPECT_EQ(levelListing(-1),
              q("select L.titulo as titulo, L.cod as cod, L.subtitulo as subtitulo, T.conteudo "
                "as conteudo, L.sessao as sessao from LABELS L, TEXTOS T, Labels2 L2 where "
                "L.cod = T.Cod_texto and L2.cod = L.cod and  L2.ctr =-1"));
    EXPECT_EQ(clearAllMarks(), q("DELETE * FROM LABELS2"));
    EXPECT_EQ(clearLevelMarks(3), q("DELETE * FROM LABELS2 where ctr=3"));
    EXPECT_TRUE(narrowingSearch(q("x"), -1).endsWith(q(" L2.ctr=-1 order by L.titulo")));
}

TEST(Statements, SingleQuotesInsideValuesAreDoubled) {
    EXPECT_EQ(categoryListing(q("d'água")),
              q("select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where "
                "categoria LIKE '%d''água%' and TEXTOS.cod_texto = LABELS.cod  order by titulo"));
    const QString search = keywordSearch(q("o'a'"));
    EXPECT_EQ(search.count(q("'%o''a''%'")), 4);
    EXPECT_EQ(contentRootStore(q("/media/o'brien/")),
              q("update CONTROLE set tipo = '/media/o''brien/'"));
    // Statements without quotes in their values are not touched.
    EXPECT_EQ(keywordSearch(q(" ")).count(q("'% %'")), 4);
    EXPECT_EQ(keywordSearch(QString()).count(q("'%%'")), 4);
}

}  // namespace
}  // namespace corvanel
