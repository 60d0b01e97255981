#include "FindBar.h"
#include "PictureButton.h"
#include "RecordingPrompts.h"
#include "TextMatching.h"
#include "ViewerTesting.h"

#include <QLineEdit>

namespace corvanel {
namespace {

using testing::ViewerWithPages;

// Words written the ways a collection's pages write them: accents, capitals,
// ordinal indicators, a word split by markup, phrases broken over lines and
// paragraphs, characters folding into more than one, or into none.
const QByteArray kStatute =
    "<!DOCTYPE html><meta charset=\"utf-8\"><title>Estatuto</title>\n"
    "<body><h1>DA EDUCAÇÃO</h1>\n"
    "<p>Art. 1º A educação é direito; a Educa<b>ção</b> infantil e a educacao básica.</p>\n"
    "<p>A guarda\n   compartilhada e a guarda</p><p>compartilhada; 2ª Vara; Nº 10.</p>\n"
    "<p>Å e Å; Straße e STRASSE; ﬁm e fim; ΣΊΣΥΦΟΣ e σίσυφος; 한국 e 한국;"
    " İzmir e izmir; ０１２ e 012; 😀 e ẞ.</p>\n"
    "<script>var educacao = 'não é texto da página';</script>\n"
    "<style>.educacao {}</style>\n"
    "</body>";

class PageMarking : public ViewerWithPages {
protected:
    PageMarking() { writePage(QStringLiteral("L01"), kStatute); }

    // How often the search finds words in the page's text as the page shows
    // it: folded by the search itself, occurrences not overlapping.
    int searchCount(const QString& words) {
        const QString shown = inPage(QStringLiteral("document.body.innerText")).toString();
        const QByteArray text = shown.toUtf8();
        const QByteArray wanted = words.toUtf8();
        const std::string haystack = searchFolded({text.constData(), size_t(text.size())});
        const std::string needle = searchFolded({wanted.constData(), size_t(wanted.size())});
        int count = 0;
        for (size_t at = haystack.find(needle); at != std::string::npos;
             at = haystack.find(needle, at + needle.size())) {
            ++count;
        }
        return count;
    }
    static QString folded(const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        return QString::fromStdString(searchFolded({utf8.constData(), size_t(utf8.size())}));
    }
};

TEST_F(PageMarking, MarksEveryOccurrenceTheSearchFindsAndCountsThem) {
    openAndWait(QStringLiteral("L01"), {QStringLiteral("educacao")});
    const QStringList marked = markedTexts();
    EXPECT_EQ(marked, (QStringList{QStringLiteral("EDUCAÇÃO"), QStringLiteral("educação"),
                                   QStringLiteral("Educação"), QStringLiteral("educacao")}));
    EXPECT_EQ(viewer.marker()->count(), 4);
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 4");
    EXPECT_TRUE(viewer.findBar()->isVisible());
    EXPECT_EQ(currentInPage(), 1);

    // A phrase found over a line break and over two paragraphs; º and ª as o and a.
    openAndWait(QStringLiteral("L01"), {QStringLiteral("guarda compartilhada"),
                                        QStringLiteral("2a vara"), QStringLiteral("no 10")});
    EXPECT_EQ(markedTexts(), (QStringList{QStringLiteral("guarda\n   compartilhada"),
                                          QStringLiteral("guardacompartilhada"),
                                          QStringLiteral("2ª Vara"), QStringLiteral("Nº 10")}));
}

TEST_F(PageMarking, TheScriptFoldsThePageExactlyAsTheSearchFoldsItsText) {
    // Each of these words, with the others around it in the page.
    const QStringList awkward{
        QStringLiteral("a"),       QStringLiteral("Å"),       QStringLiteral("strasse"),
        QStringLiteral("straße"),  QStringLiteral("fim"),     QStringLiteral("ﬁm"),
        QStringLiteral("σισυφος"), QStringLiteral("ΣΊΣΥΦΟΣ"), QStringLiteral("한국"),
        QStringLiteral("izmir"),   QStringLiteral("İzmir"),   QStringLiteral("012"),
        QStringLiteral("０１２"),  QStringLiteral("😀 e ẞ"),   QStringLiteral("e  a"),
        QStringLiteral("; 2"),     QStringLiteral("10."),     QStringLiteral("direito; a")};
    writePage(QStringLiteral("L01"), kStatute);
    openAndWait(QStringLiteral("L01"), {awkward.first()});
    QSet<int> counts;
    for (const QString& words : awkward) {
        waitForPosition([&] { viewer.marker()->mark({words}); });
        const int expected = searchCount(words);
        EXPECT_EQ(viewer.marker()->count(), expected) << words.toStdString();
        for (const QString& text : markedTexts()) {
            EXPECT_EQ(folded(text).remove(u' '), folded(words).remove(u' '))
                << words.toStdString() << " marked " << text.toStdString();
        }
        counts << expected;
    }
    // The words are not all alike: some are found often, some once, some never.
    EXPECT_GE(counts.size(), 3);
}

// Pages write "art.&nbsp;227", and copy thin and narrow no-break spaces
// from elsewhere; the words may hold them too. Each is a blank.
TEST_F(PageMarking, EveryKindOfBlankIsMarkedAsTheBlankItIs) {
    const QStringList written{
        QStringLiteral("Art. 227"),        QStringLiteral("art.\u00a0227"),
        QStringLiteral("art.\u2009227"),   QStringLiteral("art.\u202f227"),
        QStringLiteral("art.\t227"),       QStringLiteral("art.\u00a0 \u3000227"),
        QStringLiteral("art.\n\u205f227"),
    };
    QString page = QStringLiteral("<meta charset=\"utf-8\"><p>");
    for (const QString& words : written) {
        page += QString(words).replace(QChar(0xA0), QStringLiteral("&nbsp;")) +
                QStringLiteral(" e art.227</p><p>");
    }
    writePage(QStringLiteral("L03"), page.toUtf8());
    openAndWait(QStringLiteral("L03"));
    for (const QString& words : written) {
        waitForPosition([&] { viewer.marker()->mark({words}); });
        EXPECT_EQ(viewer.marker()->count(), searchCount(words)) << words.toStdString();
        EXPECT_EQ(markedTexts(), written) << words.toStdString();
    }
}

TEST_F(PageMarking, F3AndShiftF3StepThroughTheMarksRoundTheEnds) {
    openAndWait(QStringLiteral("L01"), {QStringLiteral("compartilhada")});
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    waitForPosition([&] { QTest::keyClick(&viewer, Qt::Key_F3); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"2 de 2");
    EXPECT_EQ(currentInPage(), 2);
    waitForPosition([&] { QTest::keyClick(&viewer, Qt::Key_F3); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 2");
    waitForPosition([&] { QTest::keyClick(&viewer, Qt::Key_F3, Qt::ShiftModifier); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"2 de 2");
    EXPECT_EQ(currentInPage(), 2);
}

TEST_F(PageMarking, FindBarFindsTypedWordsStepsAndClosesBackToTheSearchWords) {
    openAndWait(QStringLiteral("L01"), {QStringLiteral("guarda")});
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = viewer.findBar()->findField();
    ASSERT_TRUE(field->isVisible());
    EXPECT_TRUE(field->hasFocus());

    QTest::keyClicks(field, QStringLiteral("EDUCACAO"));
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Return); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 4");
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Return); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"2 de 4");
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier); });
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"4 de 4");
    EXPECT_EQ(currentInPage(), 4);

    field->setText(QStringLiteral("adoção"));
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Enter); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"não encontrado");
    EXPECT_TRUE(markedTexts().isEmpty());

    // Esc: the bar goes, the search words come back.
    waitForPosition([&] { QTest::keyClick(field, Qt::Key_Escape); });
    EXPECT_FALSE(field->isVisible());
    EXPECT_EQ(markedTexts().size(), 2);
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 2");
}

TEST_F(PageMarking, AScriptsTextHoldingANulIsMarkedLikeAnyOther) {
    writePage(QStringLiteral("L02"),
              "<meta charset=\"utf-8\"><p>Educação</p><p>\t  educacao</p>"
              "<script>document.body.append('a\\u0000b EDUCAÇÃO\\u0000');</script>");
    openAndWait(QStringLiteral("L02"), {QStringLiteral("educacao")});
    EXPECT_EQ(markedTexts(), (QStringList{QStringLiteral("Educação"), QStringLiteral("educacao"),
                                          QStringLiteral("EDUCAÇÃO")}));
}

TEST_F(PageMarking, TwoWordsMeetingInsideOneCharacterAreBothCountedAndSteppedTo) {
    // 한 folds to three letters: the first two are 하, the last ᆫ.
    writePage(QStringLiteral("L02"), "<meta charset=\"utf-8\"><p>O 한 e o 한.</p>");
    openAndWait(QStringLiteral("L02"));
    const QString unmarked = inPage(QStringLiteral("document.body.innerHTML")).toString();
    const QStringList words{QStringLiteral("하"), QStringLiteral("ᆫ")};
    waitForPosition([&] { viewer.marker()->mark(words); });
    EXPECT_EQ(viewer.marker()->count(), searchCount(words[0]) + searchCount(words[1]));
    EXPECT_EQ(viewer.marker()->count(), 4);
    for (int step = 2; step <= 4; ++step) {
        waitForPosition([&] { viewer.marker()->next(); });
        EXPECT_EQ(viewer.marker()->current(), step);
        EXPECT_EQ(inPage(QStringLiteral(
                             "document.querySelector('corvanel-marca.corvanel-atual').textContent"))
                      .toString(),
                  u"한");
    }
    waitForPosition([&] { viewer.marker()->clear(); });
    EXPECT_EQ(inPage(QStringLiteral("document.body.innerHTML")).toString(), unmarked);
}

TEST_F(PageMarking, MarksLiveInTheViewNeverInTheFileAndASaveIsTheFile) {
    testing::RecordingPrompts prompts;
    QTemporaryDir saved;
    openAndWait(QStringLiteral("L01"));
    const QString unmarked = inPage(QStringLiteral("document.body.innerHTML")).toString();
    waitForPosition([&] { viewer.marker()->mark({QStringLiteral("educação")}); });
    ASSERT_EQ(viewer.marker()->count(), 4);
    prompts.saveAnswer = saved.filePath(QStringLiteral("copia.htm"));
    viewer.findChild<PictureButton*>(QStringLiteral("Bt_Salvar"))->click();
    QFile copy(prompts.saveAnswer);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), kStatute);
    QFile page(pagePath(QStringLiteral("L01")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(), kStatute);

    // Clearing gives the page its own text nodes back; the page's scripts
    // and styles were never searched.
    waitForPosition([&] { viewer.marker()->clear(); });
    EXPECT_TRUE(markedTexts().isEmpty());
    EXPECT_EQ(inPage(QStringLiteral("educacao")).toString(), u"não é texto da página");
    EXPECT_EQ(inPage(QStringLiteral("document.body.innerHTML")).toString(), unmarked);
    EXPECT_EQ(inPage(QStringLiteral("document.querySelector('p').childNodes.length")).toInt(), 3);
    // A document opened without search words shows no strip.
    EXPECT_FALSE(viewer.findBar()->isVisible());
}

}  // namespace
}  // namespace corvanel
