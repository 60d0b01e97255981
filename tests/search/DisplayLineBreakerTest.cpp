#include "AdvanceLineLayout.h"
#include "DisplayLineBreaker.h"
#include "Look.h"
#include "TestCollection.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

constexpr int kWidth = 577;

class LineBreaking : public ::testing::Test {
protected:
    QFont font = Look::sansSerif(11);
    DisplayLineBreaker breaker{font, kWidth};

    // A long paragraph of words of many lengths, accents included.
    static QString paragraph(int words) {
        const QStringList vocabulary{q("a"), q("criança"),          q("de"),  q("adolescência"),
                                     q("o"), q("responsabilidade"), q("ECA"), q("proteção"),
                                     q("é")};
        QStringList text;
        for (int i = 0; i < words; ++i) {
            text << vocabulary[(i * 7 + i / 3) % vocabulary.size()];
        }
        return text.join(u' ');
    }
};

TEST_F(LineBreaking, LinesFitTheWidthAndKeepEveryWordInOrder) {
    const QString text = paragraph(400);
    const QStringList lines = breaker.firstLines(text, 5);
    ASSERT_EQ(lines.size(), 5);
    const QFontMetrics metrics(font);
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), kWidth) << line.toStdString();
        EXPECT_FALSE(line.isEmpty());
    }
    const QString shown = lines.join(u' ');
    EXPECT_TRUE(text.startsWith(shown));
    // Each line was broken because the next word did not fit.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString nextWord = lines[i + 1].section(u' ', 0, 0);
        EXPECT_GT(metrics.horizontalAdvance(lines[i] + u' ' + nextWord), kWidth);
    }
}

TEST_F(LineBreaking, AsManyLinesAsWantedComeOutTheSameWhateverIsLaidOut) {
    const QString text = paragraph(3000);
    EXPECT_EQ(breaker.firstLines(text, 5), breaker.firstLines(text, 60).mid(0, 5));
    EXPECT_EQ(breaker.firstLines(text, 1), breaker.firstLines(text, 5).mid(0, 1));
}

TEST_F(LineBreaking, LineBreaksOfEveryKindStartALineAndMissingLinesAreEmpty) {
    EXPECT_EQ(breaker.firstLines(q("um\r\ndois\rtrês\n\ncinco\nseis"), 5),
              (QStringList{q("um"), q("dois"), q("três"), q(""), q("cinco")}));
    EXPECT_EQ(breaker.firstLines(q("só uma linha"), 5),
              (QStringList{q("só uma linha"), q(""), q(""), q(""), q("")}));
    EXPECT_EQ(breaker.firstLines(QString(), 3), (QStringList{q(""), q(""), q("")}));
}

TEST_F(LineBreaking, AWordWiderThanTheBoxIsBrokenAnywhere) {
    const QString word = q("x").repeated(3000);
    const QStringList lines = breaker.firstLines(word, 5);
    const QFontMetrics metrics(font);
    EXPECT_EQ(lines.join(QString()), word.left(lines.join(QString()).size()));
    for (const QString& line : lines) {
        EXPECT_FALSE(line.isEmpty());
        EXPECT_LE(metrics.horizontalAdvance(line), kWidth);
    }
}

// Enough texts to be shared among threads, each broken as on its own.
TEST_F(LineBreaking, ManyTextsAtOnceBreakAsEachAlone) {
    constexpr int kTexts = 1200;
    std::vector<QString> texts;
    texts.reserve(kTexts);
    for (int i = 0; i < kTexts; ++i) {
        texts.push_back(paragraph(20 + (i * 37) % 180) + (i % 5 == 0 ? q("\nfim") : QString()));
    }
    const std::vector<TextLineBreaker::FirstLines> together = breaker.firstLinesOfEach(texts, 5);
    ASSERT_EQ(together.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(together[i].lines, breaker.firstLines(texts[i], 5)) << i;
    }
    EXPECT_TRUE(breaker.firstLinesOfEach({}, 5).empty());
}

// Texts that break near every place a line can end: kerned pairs (a blank's
// among them), overhanging letters, hyphens, slashes, figures, quotes,
// runs of blanks, words wider than a line, and characters the advances do
// not know (left to the layout engine).
std::vector<QString> awkwardTexts() {
    const QStringList pieces{
        q("criança"),   q("AVÔ"),   q("Tá"),   q("L "),       q("P."),
        q("To"),        q("Yves"),  q("f)"),   q("1.234,56"), q("art. 5º"),
        q("§ 2º"),      q("(ECA)"), q("-"),    q("d'água"),   q("criança/adolescente"),
        q("ŁŦŋ"),       q("ffi"),   q("WAVE"), q("r."),       q("sócio-educativa"),
        q("\"aspas\""), q("V,"),    q("F."),   q("  "),       q("Lei nº 8.069/1990"),
    };
    const QStringList strange{q("“curvas” —"), q("a\u00A0b"), q("co\u00ADmo"), q("α"),
                              q("x").repeated(140)};
    std::vector<QString> texts;
    for (int i = 0; i < 600; ++i) {
        QString text = i % 7 == 0 ? q(" ") : QString();
        for (int word = 0; word < 40 + i % 50; ++word) {
            const QString& piece = pieces[(word * 13 + i * 7 + word / 5) % pieces.size()];
            // A third without figures, which join words across blanks.
            if (i % 3 == 1 && piece.contains(QRegularExpression(q("[0-9]")))) {
                continue;
            }
            text += piece;
            text += i % 11 == 0 && word % 3 == 0 ? q("  ") : q(" ");
            if (i % 4 == 0 && word == i % 30) {
                text += strange[i / 4 % strange.size()] + u' ';
            }
        }
        texts.push_back(text);
    }
    return texts;
}

// The advances give the layout engine's own lines, at widths that move
// every break, or leave the text to it.
TEST_F(LineBreaking, AdvancesBreakLinesAsTheLayoutEngine) {
    const std::vector<QString> texts = awkwardTexts();
    int measured = 0;
    int leftToTheEngine = 0;
    for (const int width : {kWidth, kWidth - 3, 301, 123, 40}) {
        const DisplayLineBreaker advances(font, width);
        const DisplayLineBreaker engine(font, width, DisplayLineBreaker::Measure::LayoutEngine);
        const AdvanceLineLayout layout(font, width);
        const std::vector<TextLineBreaker::FirstLines> together =
            advances.firstLinesOfEach(texts, 5);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QStringList expected = engine.firstLines(texts[i], 5);
            ASSERT_EQ(together[i].lines, expected) << width << ' ' << texts[i].toStdString();
            ASSERT_EQ(advances.firstLines(texts[i], 5), expected);
            (layout.layOut(texts[i].first(std::min<qsizetype>(texts[i].size(), 900)), 6)
                 ? measured
                 : leftToTheEngine)++;
        }
    }
    EXPECT_GT(measured, leftToTheEngine);
    EXPECT_GT(leftToTheEngine, 0);
}

// A text cut anywhere from where its lines reach, and whatever follows the
// cut, breaks into the same lines: paragraphs, hanging blanks and long
// words included.
TEST_F(LineBreaking, ATextCutAnywhereFromItsReachBreaksAlike) {
    std::vector<QString> texts;
    const std::vector<QString> awkward = awkwardTexts();
    for (std::size_t i = 0; i < awkward.size(); i += 5) {
        texts.push_back(awkward[i]);
        texts.push_back(q("um\r\ndois\r\n\r\n") + awkward[i].left(300) + u'\r' + awkward[i]);
    }
    texts.push_back(q("a") + QString(2000, u' ') + paragraph(200));
    texts.push_back(q("x").repeated(3000) + u' ' + paragraph(20));
    texts.push_back(q("só uma linha"));
    int withinText = 0;
    for (const QString& text : texts) {
        const TextLineBreaker::FirstLines first = breaker.firstLinesAndReach(text, 5);
        if (first.reach > text.size()) {
            continue;
        }
        ++withinText;
        for (const qsizetype cut : {first.reach, (first.reach + text.size()) / 2}) {
            for (const QString& rest : {QString(), q(" e mais palavras"), q("\r\nfim")}) {
                ASSERT_EQ(breaker.firstLines(text.left(cut) + rest, 5), first.lines)
                    << text.toStdString();
            }
        }
    }
    EXPECT_GT(withinText, 0);
    EXPECT_LT(withinText, static_cast<int>(texts.size()));
}

}  // namespace
}  // namespace corvanel
