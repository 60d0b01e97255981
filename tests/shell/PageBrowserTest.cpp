#include "ContentAddress.h"
#include "ErrorBox.h"
#include "LocalWebServer.h"
#include "PageBrowser.h"
#include "PageTestSupport.h"
#include "RecordingPrinter.h"
#include "RecordingPrompts.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::kPageTimeoutMs;
using testing::LocalWebServer;
using testing::PageFolder;
using testing::pngPicture;
using testing::readingPage;
using testing::RecordingPrinter;
using testing::RecordingPrompts;
using testing::titleOnceItStartsWith;
using testing::UserBrowser;

TEST(PageBrowsing, ALocalPageSeesItsQueryAndReadsOnlyLocalFiles) {
    LocalWebServer web;
    web.serve(QStringLiteral("/pixel.png"), "image/png", pngPicture());
    PageFolder content;
    content.write(QStringLiteral("figura.png"), pngPicture());
    // The title reports the query and how each picture fared.
    const QByteArray page =
        "<!DOCTYPE html><html><head><meta charset='utf-8'><script>var estados = {};"
        "function marcar(nome, estado) { estados[nome] = estado;"
        "  if (Object.keys(estados).length == 2) document.title = 'Resultado ' +"
        "    location.search + ' remota:' + estados.remota + ' local:' + estados.local; }"
        "</script></head><body><img src='" +
        web.address(QStringLiteral("/pixel.png")).toUtf8() +
        "' onload=\"marcar('remota','carregada')\" onerror=\"marcar('remota','bloqueada')\">"
        "<img src='figura.png' onload=\"marcar('local','carregada')\" "
        "onerror=\"marcar('local','bloqueada')\"></body></html>";
    content.write(QStringLiteral("teste.htm"), page);

    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.resize(400, 300);
    browser.Navigate(ContentAddress::pageAddress(content.root(), QStringLiteral("teste")) +
                     QStringLiteral("?op=Imprimir"));

    EXPECT_EQ(titleOnceItStartsWith(browser, QStringLiteral("Resultado")),
              QStringLiteral("Resultado ?op=Imprimir remota:bloqueada local:carregada"));
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

TEST(PageBrowsing, TheStartPageReadsItsWholeCollectionAndTheUpdatePageOnlyTheWeb) {
    LocalWebServer web;
    PageFolder content;
    content.write(QStringLiteral("figura.png"), pngPicture());
    content.write(QStringLiteral("L01.htm"), "Leis");
    content.writeOutside(QStringLiteral("segredo.txt"), "SEGREDO");
    PageFolder::writeFile(content.root() + ContentAddress::kStartPage.toString(),
                          readingPage(QStringLiteral("porImagem('figura', 'textos/figura.png');"
                                                     "porXhr('pagina', 'textos/L01.htm');"
                                                     "porXhr('vizinho', '../segredo.txt');"),
                                      3));
    // The collection's folder has a quote in its name.
    const QString picture =
        QUrl::fromLocalFile(content.root() + QStringLiteral("textos/figura.png"))
            .toString()
            .replace(u'\'', QStringLiteral("%27"));
    web.serve(QStringLiteral("/logo.png"), "image/png", pngPicture());
    web.serve(QStringLiteral("/novidades.txt"), "text/plain", "Versão 1.06");
    web.serve(QStringLiteral("/verifica.asp"), "text/html",
              readingPage(u"porImagem('logo', '/logo.png');"
                          u"porXhr('novidades', '/novidades.txt');"
                          u"porImagem('local', '" +
                              picture + u"');",
                          3));

    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.Navigate(ContentAddress::startPageAddress(content.root()));
    EXPECT_EQ(titleOnceItStartsWith(browser, QStringLiteral("Leitura")),
              QStringLiteral("Leitura figura:carregada pagina:Leis vizinho:falhou"));

    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    browser.Navigate(web.address(QStringLiteral("/verifica.asp?versao=1.05")));
    ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
    EXPECT_EQ(titleOnceItStartsWith(browser, QStringLiteral("Leitura")),
              QStringLiteral("Leitura local:bloqueada logo:carregada novidades:Versão 1.06"));
}

TEST(PageBrowsing, LinksToTheWebOpenInTheUsersOwnBrowser) {
    LocalWebServer web;
    const QString law = web.address(QStringLiteral("/lei.htm"));
    const QString decree = web.address(QStringLiteral("/decreto.htm"));
    PageFolder content;
    content.write(QStringLiteral("L01.htm"),
                  "<!DOCTYPE html><html><head><title>Leis</title><style>"
                  "a { position: absolute; left: 0; width: 200px; height: 40px; display: block; }"
                  "</style></head><body>"
                  "<a style='top: 0' href='" +
                      law.toUtf8() +
                      "'>Lei</a>"
                      "<a style='top: 60px' target='_blank' href='" +
                      decree.toUtf8() +
                      "'>Decreto</a>"
                      "</body></html>");
    UserBrowser userBrowser;
    QSignalSpy opened(&userBrowser, &UserBrowser::opened);

    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.resize(400, 300);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    browser.Navigate(ContentAddress::pageAddress(content.root(), QStringLiteral("L01")));
    ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
    const QUrl page = browser.url();
    ASSERT_NE(browser.focusProxy(), nullptr);

    QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {}, QPoint(100, 20));
    ASSERT_TRUE(opened.wait(kPageTimeoutMs));
    EXPECT_EQ(opened.takeFirst().at(0).toUrl(), QUrl(law));

    QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {}, QPoint(100, 80));
    ASSERT_TRUE(opened.wait(kPageTimeoutMs));
    EXPECT_EQ(opened.takeFirst().at(0).toUrl(), QUrl(decree));

    EXPECT_EQ(browser.url(), page);
    EXPECT_TRUE(web.requests.isEmpty()) << web.requests.join(u' ').toStdString();
}

TEST(PageBrowsing, APageThatAsksToBePrintedIsPrintedThroughThePrintDialog) {
    RecordingPrompts prompts;
    PageFolder content;
    content.write(QStringLiteral("123.htm"),
                  "<!DOCTYPE html><html><head><title>Documento</title></head><body>"
                  "<h1>Estatuto da Criança e do Adolescente</h1>"
                  "<script>if (location.search == '?op=Imprimir') "
                  "window.addEventListener('load', function () { window.print(); });</script>"
                  "</body></html>");
    QTemporaryDir output;
    const QString pdf = output.filePath(QStringLiteral("impresso.pdf"));
    RecordingPrinter dialog(pdf);

    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.resize(400, 300);
    QSignalSpy printed(&browser, &PageBrowser::printed);
    browser.Navigate(ContentAddress::printAddress(content.root(), QStringLiteral("123")));

    ASSERT_TRUE(printed.wait(kPageTimeoutMs));
    EXPECT_TRUE(printed.first().at(0).toBool());
    EXPECT_EQ(dialog.asked, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(prompts.errors.isEmpty());
}

// The engine's own menu, on a page and on a selection, speaks Portuguese.
TEST(PageBrowsing, ThePagesContextMenuIsInPortuguese) {
    PageFolder content;
    content.write(QStringLiteral("L01.htm"),
                  "<!DOCTYPE html><html><head><title>Lei</title></head><body>"
                  "<p style='font-size: 40px'>Estatuto da Criança</p></body></html>");
    PageBrowser browser;
    browser.setContentRootSource([&] { return content.root(); });
    browser.resize(400, 300);
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    browser.Navigate(ContentAddress::pageAddress(content.root(), QStringLiteral("L01")));
    ASSERT_TRUE(loaded.wait(kPageTimeoutMs));
    ASSERT_NE(browser.focusProxy(), nullptr);

    const QStringList english{QStringLiteral("Back"),       QStringLiteral("Forward"),
                              QStringLiteral("Reload"),     QStringLiteral("Copy"),
                              QStringLiteral("Select all"), QStringLiteral("Unselect")};
    for (const bool selected : {false, true}) {
        if (selected) {
            browser.page()->triggerAction(QWebEnginePage::SelectAll);
            QTest::qWait(100);
        }
        QTest::mouseClick(browser.focusProxy(), Qt::RightButton, {}, QPoint(60, 40));
        QMenu* menu = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return (menu = browser.findChild<QMenu*>()) != nullptr && menu->isVisible(); },
            kPageTimeoutMs));
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isVisible()) {
                texts << action->text().remove(u'&');
            }
        }
        EXPECT_TRUE(texts.contains(selected ? QStringLiteral("Copiar") : QStringLiteral("Voltar")))
            << texts.join(u", ").toStdString();
        for (const QString& text : texts) {
            EXPECT_FALSE(english.contains(text)) << text.toStdString();
        }
        menu->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.findChild<QMenu*>() == nullptr; },
                                    kPageTimeoutMs));
    }
}

TEST(PageBrowsing, AnAddressThatIsNoPageIsReportedInTheErrorBox) {
    RecordingPrompts prompts;
    PageBrowser browser;
    QSignalSpy started(&browser, &PageBrowser::navigationStarted);
    runGuarded([&] { browser.Navigate(QStringLiteral("javascript:alert(1)")); });
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QStringLiteral("javascript:alert(1)")));
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(browser.lastAddress().isEmpty());
}

}  // namespace
}  // namespace corvanel
