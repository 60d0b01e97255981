#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "ContentAddress.h"
#include "PageBrowser.h"
#include "PageTestSupport.h"
#include "PartnerWindow.h"
#include "RecordingPrompts.h"
#include "UpdateAssistant.h"

#include <QSignalSpy>
#include <QUrlQuery>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::RecordingPrompts;

TEST(InformationWindows, ReloadTheirPageFromTheCurrentRootOnlyWhenShownFromHidden) {
    QString root = QStringLiteral("/media/cdrom/");
    AssociationWindow zeft;
    zeft.setContentRootSource([&] { return root; });
    QSignalSpy navigations(zeft.browser(), &PageBrowser::navigationStarted);
    zeft.show();
    zeft.show();
    EXPECT_EQ(navigations.count(), 1) << "showing a visible window only raises it";

    zeft.close();
    root = QStringLiteral("D:\\");
    zeft.show();
    EXPECT_EQ(navigations.count(), 2);
    EXPECT_EQ(zeft.browser()->lastAddress(),
              QStringLiteral("file://localhost/D:\\textos\\ZEFT.htm"));

    PartnerWindow quarde;
    quarde.setContentRootSource([&] { return root; });
    quarde.show();
    EXPECT_EQ(quarde.browser()->lastAddress(),
              ContentAddress::pageAddress(root, QStringLiteral("QUARDE")));
    EXPECT_EQ(quarde.pos(), QPoint(221, 178));
}

// The window tells its browser the collection: the page reads a picture of
// it, and not a file beside it.
TEST(InformationWindows, ThePageReadsItsOwnCollection) {
    testing::PageFolder content;
    testing::PageFolder::writeFile(content.root() + QStringLiteral("figuras/f.png"),
                                   testing::pngPicture());
    content.writeOutside(QStringLiteral("segredo.txt"), "SEGREDO");
    content.write(QStringLiteral("ZEFT.htm"),
                  testing::readingPage(QStringLiteral("porImagem('figura', '../figuras/f.png');"
                                                      "porXhr('vizinho', '../../segredo.txt');"),
                                       2));
    AssociationWindow zeft;
    zeft.setContentRootSource([&] { return content.root(); });
    zeft.show();
    EXPECT_EQ(testing::titleOnceItStartsWith(*zeft.browser(), QStringLiteral("Leitura")),
              QStringLiteral("Leitura figura:carregada vizinho:falhou"));
}

TEST(UpdateAssistant, TellsAboutTheInternetEachTimeAndAsksForVersion105Once) {
    RecordingPrompts prompts;
    UpdateAssistant assistant;
    QSignalSpy navigations(assistant.browser(), &PageBrowser::navigationStarted);
    openUpdateAssistant(assistant);
    openUpdateAssistant(assistant);

    const QString notice = QStringLiteral(
        "Para verificar novas versões do LUMBRA você deve estar conectado a Internet.");
    EXPECT_EQ(prompts.messages, (QStringList{notice, notice}));
    EXPECT_TRUE(assistant.isVisible());
    ASSERT_EQ(navigations.count(), 1);
    const QUrl asked = navigations.first().at(0).toUrl();
    EXPECT_TRUE(asked.path().endsWith(QStringLiteral("/verifica.asp")));
    EXPECT_EQ(QUrlQuery(asked).queryItemValue(QStringLiteral("versao")), QStringLiteral("1.05"));
}

TEST(AboutWindow, GivesTheVersionAndTheSupportAddress) {
    AboutWindow about;
    const QStringList lines = about.aboutText().split(u'\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.first(), QStringLiteral("Versão 1.05"));
    EXPECT_TRUE(lines.at(5).startsWith(QStringLiteral("via e-mail: ")));
    EXPECT_TRUE(lines.at(5).contains(u'@'));
}

}  // namespace
}  // namespace corvanel
