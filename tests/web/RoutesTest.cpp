#include "BrowsePages.h"
#include "ServedCollection.h"
#include "Site.h"
#include "Sqlite.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace corvanel::testing {
namespace {

struct Route {
    const char* target;
    int status;
    const char* contentType;  // its start
    const char* contains;     // in the body
};

TEST(Routes, EveryRouteAnswersWithItsPage) {
    const Route routes[] = {
        {"/saude", 200, "text/plain", "ok"},
        {"/", 200, "text/html", "Total de Doc.: "},
        {"/secao/A", 200, "text/html", "Buscar no Diretório"},
        {"/secao/F", 200, "text/html", "12 a 18 anos"},
        {"/secao/Z", 404, "text/html", "Não há seção"},
        {"/resultado?q=comum", 200, "text/html", "Página 1 de 3"},
        {"/resultado?q=comum&pagina=3", 200, "text/html", "« Anterior"},
        {"/resultado?q=comum&pagina=4", 404, "text/html", "não existe"},
        {"/resultado?q=comum&dentro=007", 200, "text/html", "Voltar"},
        {"/resultado?secao=E", 200, "text/html", "documentos"},
        {"/resultado?secao=A&q=comum&onde=A02", 200, "text/html", "Documento comum"},
        {"/resultado?secao=A&onde=B02", 400, "text/html", "Filtro desconhecido"},
        {"/resultado?categoria=C11", 200, "text/html", "Clique para visualizar"},
        {"/resultado?categoria=Q99", 400, "text/html", "Categoria desconhecida"},
        {"/resultado?lista=geral", 200, "text/html", "Textos:"},
        {"/resultado?q=xyzzyinexistente", 200, "text/html", "Nenhum documento localizado"},
        {"/resultado", 400, "text/html", "Escreva as palavras"},
        {"/autores", 200, "text/html", "Autoria 3"},
        {"/documento/1000?volta=q%3Dcomum", 200, "text/html", "/colecao/textos/1000.htm"},
        {"/documento/1001", 200, "text/html", "<h1>Documento comum 001</h1>"},
        {"/documento/99999", 404, "text/html", "Não há documento"},
        {"/documento/abc", 404, "text/html", "Não há documento"},
        {"/colecao/textos/1000.htm", 200, "text/html", "Documento comum 000"},
        {"/api/v1/busca?q=comum&pagina=2", 200, "application/json", "\"pagina\":2"},
        {"/api/v1/busca", 400, "application/json", "erro"},
        {"/api/v1/secoes", 200, "application/json", "Ciclos de Vida"},
        {"/api/v1/secoes/F", 200, "application/json", "F16"},
        {"/api/v1/secoes/Q", 404, "application/json", "erro"},
        {"/api/v1/documento/1000", 200, "application/json", "Documento comum 000"},
        {"/api/v1/documento/99999", 404, "application/json", "erro"},
        {"/api/v1/nada", 404, "application/json", "erro"},
        {"/opensearch.xml", 200, "application/opensearchdescription+xml", "{searchTerms}"},
        {"/recursos/site.css", 200, "text/css", "@media print"},
        {"/nada", 404, "text/html", "Não há página"},
    };
    const ServedCollection& served = servedCollection();
    for (const Route& route : routes) {
        SCOPED_TRACE(route.target);
        const HttpAnswer answer = served.get(route.target);
        EXPECT_EQ(answer.status, route.status);
        EXPECT_TRUE(answer.header("content-type").startsWith(route.contentType))
            << answer.header("content-type").constData();
        EXPECT_TRUE(answer.body.contains(QByteArray(route.contains)));
        // Every answer carries the policies and sets no cookie.
        EXPECT_EQ(answer.header("x-content-type-options"), "nosniff");
        EXPECT_EQ(answer.header("referrer-policy"), "no-referrer");
        EXPECT_TRUE(answer.header("content-security-policy").contains("frame-ancestors"));
        EXPECT_EQ(answer.headers.count("set-cookie"), 0u);
    }
}

TEST(Routes, CollectionPagesRunSandboxedAndSitePagesUnframed) {
    const ServedCollection& served = servedCollection();
    HttpAnswer page = served.get("/colecao/textos/1000.htm");
    EXPECT_TRUE(page.header("content-security-policy").startsWith("sandbox"));
    EXPECT_TRUE(page.header("content-security-policy").contains("connect-src 'none'"));
    HttpAnswer site = served.get("/");
    EXPECT_TRUE(site.header("content-security-policy").contains("frame-ancestors 'none'"));
    HttpAnswer document = served.get("/documento/1000");
    EXPECT_TRUE(document.body.contains("sandbox=\"allow-scripts"));
}

// HEAD tells the length GET would send, and sends nothing.
TEST(Routes, HeadAnswersTheHeadersOfGet) {
    const ServedCollection& served = servedCollection();
    const HttpAnswer get = served.get("/resultado?q=comum");
    const HttpAnswer head =
        served.raw("HEAD /resultado?q=comum HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.isEmpty());
    EXPECT_EQ(head.header("content-length"), QByteArray::number(get.body.size()));
}

TEST(Routes, TextFromTheCollectionAndTheAddressIsEscaped) {
    const ServedCollection& served = servedCollection();
    const HttpAnswer answer = served.get("/resultado?q=%3Cscript%3Ealert(1)%3C/script%3E%22");
    EXPECT_EQ(answer.status, 200);
    EXPECT_FALSE(answer.body.contains("<script>alert"));
    EXPECT_TRUE(answer.body.contains("&lt;script&gt;alert(1)&lt;/script&gt;&quot;"));
    // A "volta" that is no result is left out, never echoed.
    const HttpAnswer document = served.get("/documento/1000?volta=%22%3E%3Cb%3Ex");
    EXPECT_FALSE(document.body.contains("<b>x"));
    EXPECT_FALSE(document.body.contains("Voltar ao resultado"));
}

// The start page gives the collection's own edition line, or the program's
// when the collection names none, as the desktop's start page does.
TEST(Routes, StartPageNamesTheEditionOfTheCollection) {
    const TestCollection named({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))});
    sqlite::Connection(named.databasePath(), sqlite::OpenMode::ReadWrite)
        .executeScript("update CONTROLE set edicao = 'Edição II - Junho/26'");
    const TestCollection unnamed({card(1, q("Lei"), q("Federal"), q("B"), q("B02"))});
    const QByteArray namedPage = web::startPage(web::openSite(named.programFolder())).body;
    const QByteArray unnamedPage = web::startPage(web::openSite(unnamed.programFolder())).body;
    EXPECT_TRUE(namedPage.contains("Edição II - Junho/26"));
    EXPECT_FALSE(namedPage.contains("Edição I - "));
    EXPECT_TRUE(unnamedPage.contains("Edição I - Março/04"));
}

// Browsers keep a connection open from page to page: every answer but the
// one asked to close leaves it open for the next request.
TEST(Routes, OneConnectionCarriesRequestAfterRequest) {
    const QByteArray targets[] = {"/", "/colecao/textos/1000.htm", "/nada", "/resultado?q=comum",
                                  "/colecao/textos/1001.htm"};
    QByteArray requests;
    for (const QByteArray& target : targets) {
        requests += "GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n";
    }
    requests += "GET /saude HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
    const HttpAnswer answers = servedCollection().raw(requests);
    EXPECT_EQ(answers.body.count("HTTP/1.1 "), std::size(targets));
    EXPECT_TRUE(answers.body.endsWith("\r\n\r\nok"));
}

// Each page of the result and of the API shows the rows numbered from where
// the page starts, in the same order.
TEST(Routes, PagesOfAResultFollowOnAndMatchTheApi) {
    const ServedCollection& served = servedCollection();
    int expected = 0;
    for (int page = 1; page <= 3; ++page) {
        const HttpAnswer answer =
            served.get("/api/v1/busca?q=comum&pagina=" + QByteArray::number(page));
        const QJsonObject object = QJsonDocument::fromJson(answer.body).object();
        EXPECT_EQ(object[q("total")].toInt(), ServedCollection::kCommonCards);
        const QJsonArray rows = object[q("linhas")].toArray();
        EXPECT_EQ(rows.size(), std::min(100, ServedCollection::kCommonCards - expected));
        for (const auto& row : rows) {
            EXPECT_EQ(row.toObject()[q("numero")].toInt(), ++expected);
        }
        const HttpAnswer html = served.get("/resultado?q=comum&pagina=" + QByteArray::number(page));
        const QString firstCode = QString::number(rows.first().toObject()[q("codigo")].toInteger());
        EXPECT_TRUE(html.body.contains((q("/documento/") + firstCode).toUtf8()));
    }
    EXPECT_EQ(expected, ServedCollection::kCommonCards);
}

// "Palavra inteira", "Ordenar por" and "Agrupar por documento" as a result's
// address asks them, carried through a narrowing and back; a value the
// address does not know reads as the default.
TEST(Routes, ResultsAnswerWithTheirChoices) {
    struct Case {
        const char* target;
        const char* contains;
        const char* absent;
    };
    const Case cases[] = {
        {"/resultado?q=guarda", "/documento/6001?", "trechos"},
        {"/resultado?q=guarda&inteira=1", "/documento/6003?", "/documento/6001?"},
        {"/resultado?q=guarda&agrupar=1", ">3 trechos<", nullptr},
        {"/resultado?q=guarda&inteira=1&agrupar=1", ">1 trecho<", "/documento/6001?"},
        {"/resultado?q=guarda&inteira=1&agrupar=1&dentro=parte", ">3 trechos<", "6002"},
        {"/resultado?q=guarda&inteira=1&agrupar=1&dentro=parte",
         "href=\"/resultado?q=guarda&amp;inteira=1&amp;agrupar=1\">Voltar", nullptr},
        {"/resultado?q=guarda&inteira=1&dentro=part", "Nenhum documento localizado", nullptr},
        {"/resultado?q=guarda&dentro=part", "/documento/6003?", nullptr},
        {"/resultado?q=guarda&inteira=1&dentro=parte",
         "name=\"inteira\" value=\"1\" checked=\"checked\"", nullptr},
        // A section's listing lists every row, whole words or not.
        {"/resultado?secao=B&inteira=1", "/documento/6001?", nullptr},
    };
    const ServedCollection& served = servedCollection();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const HttpAnswer answer = served.get(c.target);
        EXPECT_EQ(answer.status, 200);
        EXPECT_TRUE(answer.body.contains(c.contains));
        if (c.absent != nullptr) {
            EXPECT_FALSE(answer.body.contains(c.absent));
        }
    }
    const QByteArray plain = served.get("/resultado?q=guarda").body;
    for (const char* unknown : {"ordem=titulo", "ordem=RELEVANCIA", "inteira=sim", "agrupar=0",
                                "ordem=&inteira=&agrupar="}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(served.get(QByteArray("/resultado?q=guarda&") + unknown).body, plain);
    }
}

TEST(Routes, RelevancePutsATitleMatchFirst) {
    const auto firstCode = [](const QByteArray& target) {
        const QJsonObject object =
            QJsonDocument::fromJson(servedCollection().get(target).body).object();
        return object[q("linhas")].toArray().first().toObject()[q("codigo")].toInteger();
    };
    EXPECT_EQ(firstCode("/api/v1/busca?q=guarda&ordem=relevancia"), 6002);
    EXPECT_NE(firstCode("/api/v1/busca?q=guarda"), 6002);
}

// Each row of one document opens at its own passage, its words marked as
// they were matched.
TEST(Routes, ARowOpensItsDocumentAtItsPassage) {
    // An address as a page writes it in an attribute.
    const auto fetch = [](QString address) {
        return QString::fromUtf8(
            servedCollection().get(address.replace(q("&amp;"), q("&")).toUtf8()).body);
    };
    const QString result = fetch(q("/resultado?q=guarda&inteira=1"));
    static const QRegularExpression link(q("href=\"(/documento/6003\\?[^\"]*)\""));
    static const QRegularExpression frame(q("<iframe[^>]* src=\"([^\"]*)\""));
    static const QRegularExpression near(q("data-perto=\"([^\"]*)\""));
    QStringList passages;
    for (const auto& match : link.globalMatch(result)) {
        const QString page = frame.match(fetch(match.captured(1))).captured(1);
        ASSERT_TRUE(page.contains(u"inteira=1")) << page.toStdString();
        const QString marked = fetch(page);
        passages << near.match(marked).captured(1);
        EXPECT_TRUE(marked.contains(u"data-inteira=\"1\""));
    }
    ASSERT_EQ(passages.size(), 3);
    for (const char* start : {"primeira parte", "segunda parte", "terceira parte"}) {
        EXPECT_EQ(passages.filter(q(start)).size(), 1) << start;
    }
}

// Under each key-word row its words in context, matches in bold, escaped as
// every text, and marked as the words were matched.
TEST(Routes, KeyWordRowsShowTheirPassage) {
    static const QRegularExpression passage(q("<span class=\"trecho\">(.*?)</span>"));
    const auto passagesOf = [](const char* target) {
        QStringList passages;
        const QString page = QString::fromUtf8(servedCollection().get(target).body);
        for (const auto& match : passage.globalMatch(page)) {
            passages << match.captured(1);
        }
        return passages;
    };
    const QStringList rows = passagesOf("/resultado?q=guarda&inteira=1&dentro=parte");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(QSet<QString>(rows.cbegin(), rows.cend()).size(), 3);
    for (const QString& row : rows) {
        EXPECT_TRUE(row.contains(u"<b>guarda</b>")) << row.toStdString();
    }
    struct Case {
        const char* target;
        const char* contains;
        const char* absent;
    };
    const Case cases[] = {
        {"/resultado?q=curatela", "Tutelas e <b>curatela</b>s", "<script>"},
        {"/resultado?q=curatela&inteira=1", "a <b>curatela</b> provisória", "<b>curatela</b>s"},
        {"/resultado?q=curatela", "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const QString all = passagesOf(c.target).join(u'\n');
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.contains))) << all.toStdString();
        if (c.absent != nullptr) {
            EXPECT_FALSE(all.contains(QString::fromUtf8(c.absent)));
        }
    }
    // Cut between words at both ends of a long text, the marks still on the words.
    const QStringList cut = passagesOf("/resultado?q=curatela");
    ASSERT_EQ(cut.size(), 1);
    EXPECT_TRUE(cut.front().startsWith(u"… ") && cut.front().endsWith(u" …"))
        << cut.front().toStdString();
    // A match in the title alone says so, in italics.
    EXPECT_TRUE(servedCollection()
                    .get("/resultado?q=curador")
                    .body.contains("<span class=\"trecho nota\">no título</span>"));
}

}  // namespace
}  // namespace corvanel::testing
