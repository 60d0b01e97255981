#include "LineCountGuess.h"
#include "Look.h"
#include "TestCollection.h"
#include "WrappedText.h"

#include <QFontMetrics>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

// Titles as the collections write them: accents, numbers, hyphens, long
// words, line breaks.
QStringList titles() {
    const QStringList vocabulary{q("Estatuto"),
                                 q("da"),
                                 q("Criança"),
                                 q("e"),
                                 q("do"),
                                 q("Adolescente"),
                                 q("-"),
                                 q("Lei"),
                                 q("nº"),
                                 q("8.069/90"),
                                 q("sócio-educativo"),
                                 q("medidas"),
                                 q("responsabilidade"),
                                 q("ÁGUA"),
                                 q("convivência"),
                                 q("familiar;"),
                                 q("art."),
                                 q("227,"),
                                 q("§"),
                                 q("1º"),
                                 q("Tribunal"),
                                 q("(STJ)"),
                                 q("HC"),
                                 q("guarda-compartilhada"),
                                 q("inconstitucionalidade"),
                                 q("WWWWW"),
                                 q("iiiii"),
                                 q("acolhimento\ninstitucional")};
    QStringList result;
    for (int t = 0; t < 240; ++t) {
        QStringList words;
        const int length = 3 + (t * 13) % 37;
        for (int w = 0; w < length; ++w) {
            words << vocabulary[(t * 31 + w * 7 + w / 5) % vocabulary.size()];
        }
        result << QString::number(t + 1) + q(" - ") + words.join(u' ');
    }
    result << QString(300, u'x') << q("a ").repeated(120) << QString();
    return result;
}

TEST(LineCountGuess, AgreesWithTheLayoutEngineOnAlmostEveryTitleAndIsNeverFarOff) {
    for (const int points : {9, 11, 14}) {
        const QFont font = Look::sansSerif(points);
        const LineCountGuess guess(font);
        const int spacing = QFontMetrics(font).lineSpacing();
        EXPECT_EQ(guess.lineSpacing(), spacing);
        int cases = 0;
        int agreeing = 0;
        for (const int width : {120, 233, 401, 577, 860}) {
            for (const QString& title : titles()) {
                const std::optional<int> guessed = guess.lines(title, width);
                ASSERT_TRUE(guessed.has_value()) << qPrintable(title);
                const int laidOut = WrappedText::height(title, font, width) / spacing;
                EXPECT_LE(std::abs(*guessed - laidOut), 1) << qPrintable(title) << " at " << width;
                agreeing += *guessed == laidOut ? 1 : 0;
                ++cases;
            }
        }
        EXPECT_GE(agreeing * 100, cases * 97) << agreeing << " of " << cases << " at " << points;
    }
}

TEST(LineCountGuess, LeavesTextBeyondTheLatinLettersToTheLayoutEngine) {
    const LineCountGuess guess(Look::sansSerif(11));
    EXPECT_FALSE(guess.lines(q("Convenção — direitos"), 400).has_value());
    EXPECT_FALSE(guess.lines(q("“aspas”"), 400).has_value());
    EXPECT_EQ(guess.lines(q("Convenção - direitos"), 400), 1);
    EXPECT_EQ(guess.lines(q("um\r\ndois\nträs"), 400), 3);
}

}  // namespace
}  // namespace corvanel
