#include "OutlinePanel.h"
#include "PageOutline.h"
#include "PageTravel.h"
#include "RecordingPrompts.h"
#include "ViewerTesting.h"
#include "ViewerToolStrip.h"
#include "ZoomControl.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QTreeWidget>

namespace corvanel {
namespace {

using testing::ViewerWithPages;

// The statute as one page, as collections hold it: books, titles,
// chapters and sections as lines of their own, articles opening
// paragraphs, inserted articles ("136-A") among them.
QByteArray wholeStatute() {
    QByteArray page =
        "<!DOCTYPE html><meta charset=\"utf-8\"><title>Estatuto da Criança e do "
        "Adolescente</title><body><h1>Estatuto da Criança e do Adolescente</h1>\n";
    for (int article = 1; article <= 267; ++article) {
        if (article % 90 == 1) {
            page += "<p align=center><b>LIVRO " + QByteArray(article < 90 ? "I" : "II") +
                    "</b><br>PARTE GERAL</p>\n";
        }
        if (article % 30 == 1) {
            page += "<p align=center>TÍTULO " + QByteArray::number(article / 30 + 1) +
                    "</p><p align=center>Dos Direitos</p>\n";
        }
        if (article % 10 == 1) {
            page += "<p align=center>CAPÍTULO " + QByteArray::number(article / 10 + 1) +
                    "<br>Das Medidas</p>\n<p align=center>Seção I</p>\n";
        }
        page += "<p><a name=\"art" + QByteArray::number(article) + "\"></a>Art. " +
                QByteArray::number(article) + (article < 10 ? "º" : ".") +
                " A criança e o adolescente gozam de todos os direitos fundamentais.</p>\n"
                "<p>Parágrafo único. Nos termos do art. 5º desta Lei.</p>\n"
                "<p>I - primeiro inciso;</p><p>II - segundo inciso.</p>\n";
        if (article == 136) {
            page += "<p id=\"alvo\">Art. 136-A. Ninguém será privado.</p>\n";
        }
    }
    return page + "</body>";
}

class ReadingTools : public ViewerWithPages {
protected:
    ReadingTools() {
        writePage(QStringLiteral("ECA"), wholeStatute());
        writePage(QStringLiteral("L02"),
                  "<title>Segundo</title><body style=\"height: 6000px\">"
                  "<p><a id=\"link\" href=\"L03.htm\">Terceiro</a></p><p id=\"texto\">Art. 4º É "
                  "dever da família, da comunidade e do poder público.</p></body>");
        writePage(QStringLiteral("L03"), "<title>Terceiro</title><p>Terceiro</p>");
        viewer.show();
    }

    // Opens page and waits until its outline was read.
    void openAndRead(const QString& page) {
        QSignalSpy read(viewer.outline(), &PageOutline::outlineChanged);
        openAndWait(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer.outline()->entries().isEmpty(); }, 30000));
    }
    double scrollY() { return inPage(QStringLiteral("window.scrollY")).toDouble(); }
    // Runs step, which loads a page, and waits until it is shown.
    void waitForLoad(const std::function<void()>& step) {
        QSignalSpy loaded(viewer.browser(), &QWebEngineView::loadFinished);
        step();
        ASSERT_TRUE(loaded.wait(30000) || !loaded.isEmpty());
    }
    void waitForRestore(const std::function<void()>& step) {
        QSignalSpy restored(viewer.travel(), &PageTravel::placeRestored);
        step();
        ASSERT_TRUE(restored.wait(30000) || !restored.isEmpty());
    }
    // The page's scroll, once the browser reported it to the viewer.
    void scrollTo(int y) {
        const qreal before = viewer.browser()->page()->scrollPosition().y();
        inPage(QStringLiteral("window.scrollTo(0, %1)").arg(y));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return viewer.browser()->page()->scrollPosition().y() != before; }, 30000));
    }
};

TEST_F(ReadingTools, TheWholeStatuteHasItsOutlineAndCtrlGGoesToTheArticleTyped) {
    openAndRead(QStringLiteral("ECA"));
    int articles = 0;
    QSet<OutlineKind> kinds;
    for (const OutlineEntry& entry : viewer.outline()->entries()) {
        articles += entry.kind == OutlineKind::Artigo ? 1 : 0;
        kinds << entry.kind;
    }
    EXPECT_EQ(articles, 268);
    EXPECT_EQ(kinds,
              (QSet<OutlineKind>{OutlineKind::Heading, OutlineKind::Livro, OutlineKind::Titulo,
                                 OutlineKind::Capitulo, OutlineKind::Secao, OutlineKind::Artigo}));

    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_G, Qt::ControlModifier);
    OutlinePanel* panel = viewer.outlinePanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->articleField()->hasFocus());
    EXPECT_GT(panel->tree()->topLevelItemCount(), 0);
    EXPECT_LE(panel->geometry().right(), viewer.browser()->geometry().left());

    QSignalSpy went(viewer.outline(), &PageOutline::wentTo);
    QTest::keyClicks(panel->articleField(), QStringLiteral("art. 136-a"));
    QTest::keyClick(panel->articleField(), Qt::Key_Return);
    ASSERT_TRUE(went.wait(30000) || !went.isEmpty());
    EXPECT_LT(qAbs(inPage(QStringLiteral("document.getElementById('alvo')"
                                         ".getBoundingClientRect().top"))
                       .toDouble()),
              2);
    EXPECT_TRUE(panel->notice().isEmpty());
    EXPECT_TRUE(panel->tree()->currentItem()->text(0).startsWith(u"Art. 136-A"));

    for (const QString& typed : {QStringLiteral("999"), QStringLiteral("cento e trinta")}) {
        panel->goToArticle(typed);
        EXPECT_FALSE(panel->notice().isEmpty()) << typed.toStdString();
    }
    // Choosing an entry of the outline goes to it.
    QTreeWidgetItem* book = panel->tree()->topLevelItem(0)->child(0);
    ASSERT_NE(book, nullptr);
    went.clear();
    emit panel->tree()->itemActivated(book, 0);
    ASSERT_TRUE(went.wait(30000) || !went.isEmpty());
    EXPECT_TRUE(book->text(0).startsWith(u"LIVRO I — PARTE GERAL"));
}

TEST_F(ReadingTools, BackAndForwardReturnThroughDocumentsAndLinksEachToItsScroll) {
    // Scrolls are the page's own, whatever the zoom.
    viewer.zoom()->setFactor(1.5);
    openAndRead(QStringLiteral("ECA"));
    scrollTo(3000);
    openAndWait(QStringLiteral("L02"));
    scrollTo(1200);
    waitForLoad([&] { inPage(QStringLiteral("document.getElementById('link').click()")); });
    EXPECT_EQ(viewer.browser()->title(), u"Terceiro");
    ViewerToolStrip* strip = viewer.toolStrip();
    EXPECT_TRUE(strip->backButton()->isEnabled());
    EXPECT_FALSE(strip->forwardButton()->isEnabled());

    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    waitForRestore([&] { QTest::keyClick(&viewer, Qt::Key_Left, Qt::AltModifier); });
    EXPECT_EQ(viewer.browser()->title(), u"Segundo");
    EXPECT_EQ(scrollY(), 1200);
    waitForRestore([&] { strip->backButton()->click(); });
    EXPECT_EQ(viewer.pageName(), u"ECA");
    EXPECT_EQ(scrollY(), 3000);
    EXPECT_FALSE(strip->backButton()->isEnabled());

    waitForRestore([&] { QTest::keyClick(&viewer, Qt::Key_Right, Qt::AltModifier); });
    EXPECT_EQ(viewer.pageName(), u"L02");
    EXPECT_EQ(scrollY(), 1200);
    // A document opened meanwhile drops what lay ahead.
    openAndWait(QStringLiteral("L03"));
    EXPECT_FALSE(strip->forwardButton()->isEnabled());
}

TEST_F(ReadingTools, CopiesTheSelectionWithItsCitationInBothFlavours) {
    testing::RecordingPrompts prompts;
    viewer.setCitationSource([] {
        return CitationSource{
            {}, QStringLiteral("Coleção de teste"), QStringLiteral("Edição II"), {}};
    });
    openAndWait(QStringLiteral("L02"));
    viewer.copyWithCitation();
    EXPECT_EQ(prompts.messages.size(), 1);

    QSignalSpy selected(viewer.browser(), &QWebEngineView::selectionChanged);
    inPage(QStringLiteral("getSelection().selectAllChildren(document.getElementById('texto'))"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewer.browser()->hasSelection(); }, 30000));
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(
        u"“Art. 4º É dever da família, da comunidade e do poder público.”\n\nFonte: Segundo. "
        u"Coleção de teste, Edição II. Consultado em "))
        << copied->text().toStdString();
    EXPECT_TRUE(copied->html().contains(u"<h3>Segundo</h3>"));
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(ReadingTools, CtrlDAsksToKeepTheDocumentShownWithItsTitle) {
    testing::RecordingPrompts prompts;
    QSignalSpy asked(&viewer, &DocumentViewer::favouriteRequested);
    openAndWait(QStringLiteral("L02"));
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.at(0), (QVariantList{QStringLiteral("L02"), QStringLiteral("Segundo")}));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

}  // namespace
}  // namespace corvanel
