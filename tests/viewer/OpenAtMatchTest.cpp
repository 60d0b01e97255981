#include "Passage.h"
#include "ViewerTesting.h"

namespace corvanel {
namespace {

using testing::ViewerWithPages;

constexpr int kArticles = 20;

QString article(int number) {
    return QStringLiteral(
               "Art. %1. É dever assegurar à criança, no caso %1, a proteção "
               "integral e a prioridade absoluta.")
        .arg(number);
}

// One statute page: every article holds the word, most more than once, and
// the page's markup breaks some of them.
QByteArray statutePage() {
    QByteArray page = "<!DOCTYPE html><meta charset=\"utf-8\"><title>Estatuto</title><body>";
    for (int number = 1; number <= kArticles; ++number) {
        const QString text =
            number % 3 == 0
                ? article(number).replace(QStringLiteral("Art."), QStringLiteral("<b>Art.</b>\n"))
                : article(number);
        page += "<p>" + text.toUtf8() + " Direitos da criança.</p>\n";
    }
    return page + "</body>";
}

// A result row's passage, as the result list passes it.
QString passageOfArticle(int number, const QStringList& words) {
    return passageOf({QStringLiteral("Estatuto"), QString(), QString(),
                      article(number) + QStringLiteral(" Direitos da criança.")},
                     words)
        .text;
}

class OpenAtMatch : public ViewerWithPages {
protected:
    OpenAtMatch() { writePage(QStringLiteral("L01"), statutePage()); }

    // The paragraph the current mark is in.
    QString currentParagraph() {
        return inPage(QStringLiteral("(() => { const e = document.querySelector("
                                     "'corvanel-marca.corvanel-atual');"
                                     " return e ? e.closest('p').textContent : ''; })()"))
            .toString();
    }
};

TEST_F(OpenAtMatch, ARowsPassageMakesItsOwnOccurrenceCurrentAndF3GoesOnFromThere) {
    const QStringList words{QStringLiteral("crianca")};
    const struct Case {
        int row;
        QString near;
        int expected;  // the article of the current mark; 1 when no passage tells
    } cases[] = {
        {14, passageOfArticle(14, words), 14},
        {3, passageOfArticle(3, words), 3},  // its markup apart
        {20, passageOfArticle(20, words), 20},
        // The row's text a little other than the page's: still the likest.
        {7, passageOfArticle(7, words).replace(QStringLiteral("absoluta"), QStringLiteral("total")),
         7},
        {0, QStringLiteral("nada disso está na página"), 1},
        {0, QString(), 1},
    };
    for (const Case& c : cases) {
        openAndWait(QStringLiteral("L01"), words, {.near = c.near});
        const QString expected = QStringLiteral("no caso %1,").arg(c.expected);
        EXPECT_TRUE(currentParagraph().contains(expected))
            << c.row << ": " << currentParagraph().toStdString();
        EXPECT_EQ(viewer.marker()->count(), 2 * kArticles);
    }
    openAndWait(QStringLiteral("L01"), words, {.near = passageOfArticle(14, words)});
    const int current = viewer.marker()->current();
    waitForPosition([this] { viewer.findNext(); });
    EXPECT_EQ(viewer.marker()->current(), current + 1);
    // The article's closing words, then the next article.
    EXPECT_TRUE(currentParagraph().contains(QStringLiteral("no caso 14,")));
    waitForPosition([this] { viewer.findNext(); });
    EXPECT_TRUE(currentParagraph().contains(QStringLiteral("no caso 15,")));
}

TEST_F(OpenAtMatch, WholeWordsMarkOnlyTheWordItself) {
    writePage(QStringLiteral("G01"),
              "<!DOCTYPE html><meta charset=\"utf-8\"><body><p>A guarda, aguardando a "
              "Guarda; guardado na GUARDA-mirim e guarda2.</p>"
              // The search's word characters: a superscript, a private-use
              // character and a digit beyond U+FFFF are, an emoji is not.
              "<p>guarda\u00b2 guarda\ue000 guarda\U0001D7D0 guarda\U0001F970</p></body>");
    openAndWait(QStringLiteral("G01"), {QStringLiteral("guarda")}, {.wholeWords = true});
    EXPECT_EQ(markedTexts(), (QStringList{QStringLiteral("guarda"), QStringLiteral("Guarda"),
                                          QStringLiteral("GUARDA"), QStringLiteral("guarda")}));
    openAndWait(QStringLiteral("G01"), {QStringLiteral("guarda")});
    EXPECT_EQ(viewer.marker()->count(), 10);
}

}  // namespace
}  // namespace corvanel
