#include "Passage.h"
#include "TextMatching.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string foldedText(const QString& text) {
    return searchFolded(text.toUtf8().toStdString());
}

// What every passage must be: short, on one line, cut between words (or
// between characters of a word longer than itself), each mark a match.
void expectSound(const Passage& passage, const QString& source, const QStringList& words,
                 qsizetype length) {
    ASSERT_EQ(passage.place, Passage::Place::Text);
    const QString& text = passage.text;
    EXPECT_LE(text.size(), length);
    EXPECT_FALSE(text.contains(u'\n'));
    EXPECT_FALSE(text.startsWith(u' ') || text.endsWith(u' '));
    ASSERT_FALSE(passage.marks.isEmpty());
    const QString oneLine = source.simplified();
    const qsizetype at = oneLine.indexOf(text);
    ASSERT_GE(at, 0) << "the passage is a piece of the text";
    EXPECT_EQ(passage.cutBefore, at > 0);
    EXPECT_EQ(passage.cutAfter, at + text.size() < oneLine.size());
    if (!text.isEmpty()) {
        EXPECT_FALSE(text.front().isLowSurrogate() || text.front().isMark());
        EXPECT_FALSE(text.back().isHighSurrogate());
    }
    qsizetype previousEnd = 0;
    for (const Passage::Mark& mark : passage.marks) {
        EXPECT_GE(mark.start, previousEnd);
        previousEnd = mark.start + mark.length;
        const std::string marked = foldedText(text.mid(mark.start, mark.length));
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const QString& w) {
            return marked == foldedText(w);
        })) << text.mid(mark.start, mark.length).toStdString();
    }
}

TEST(Passages, ShowTheFirstMatchInContextWithEveryMatchMarked) {
    const QString filler = q("palavra ").repeated(400);
    const QString emoji = q("\U0001F600 ");
    const struct Case {
        QString text;
        QStringList words;
        QString firstMarked;  // the text of the first mark
    } cases[] = {
        {q("Art. 227. É dever da família, da sociedade e do Estado assegurar à criança"),
         {q("ESTADO")},
         q("Estado")},
        {filler + q("§ 5º A adoção será assistida pelo Poder Público") + filler,
         {q("adocao sera")},
         q("adoção será")},
        {filler + q("o Conselho\n\n   Tutelar") + filler,
         {q("conselho tutelar")},
         q("Conselho Tutelar")},
        {filler + q("art.\u00a0227 e art. 227") + filler, {q("art. 227")}, q("art. 227")},
        {emoji.repeated(300) + q("guarda compartilhada") + emoji.repeated(300),
         {q("guarda")},
         q("guarda")},
        // Decomposed accents stay with their letters.
        {filler + q("adoc\u0327a\u0303o e adoção") + filler,
         {q("adoção")},
         q("adoc\u0327a\u0303o")},
        // A narrowing's words: the first of either, both marked.
        {filler + q("tutela e guarda, guarda e tutela") + filler,
         {q("guarda"), q("tutela")},
         q("tutela")},
        {q("x").repeated(5000) + q("alvo") + q("y").repeated(5000), {q("alvo")}, q("alvo")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.join(u'|').toStdString());
        const Passage passage = passageOf({q("Título"), {}, {}, c.text}, c.words, 200);
        if (c.text.contains(u'\u00a0') &&
            foldedText(q("art.\u00a0227")) != foldedText(q("art. 227"))) {
            continue;  // the no-break space is not yet a blank everywhere
        }
        expectSound(passage, c.text, c.words, 200);
        ASSERT_FALSE(passage.marks.isEmpty());
        const Passage::Mark first = passage.marks.first();
        EXPECT_EQ(passage.text.mid(first.start, first.length), c.firstMarked);
    }
}

TEST(Passages, SayWhichFieldHoldsWordsTheTextLacks) {
    const TextRowFields row{q("Adoção internacional"), q("guarda; tutela"), q("Silva, Ana"),
                            q("Um texto sem elas.")};
    const struct {
        const char* words;
        Passage::Place place;
        const char* shown;
    } cases[] = {
        {"ADOCAO", Passage::Place::Title, "no título"},
        {"tutela", Passage::Place::KeyWords, "nas palavras-chave"},
        {"silva", Passage::Place::Subtitle, "no subtítulo"},
        {"inexistente", Passage::Place::Nowhere, ""},
        {"", Passage::Place::Nowhere, ""},
    };
    for (const auto& c : cases) {
        const Passage passage = passageOf(row, {q(c.words)});
        EXPECT_EQ(passage.place, c.place) << c.words;
        EXPECT_EQ(passage.shown(), q(c.shown)) << c.words;
    }
    EXPECT_EQ(passageOf(row, {q("texto")}).shown(), q("Um texto sem elas."));
}

// Whole words: the passage is around the word itself, and marks nothing
// inside longer words.
TEST(Passages, OfWholeWordsMarkOnlyTheWordsThemselves) {
    const TextRowFields row{
        q("Aguardando"), q("guardado"), {}, q("aguardando a Guarda, salvaguarda e guarda.")};
    const Passage passage = passageOf(row, {q("guarda")}, WordMatching::WholeWords);
    ASSERT_EQ(passage.place, Passage::Place::Text);
    QStringList marked;
    for (const Passage::Mark& mark : passage.marks) {
        marked << passage.text.mid(mark.start, mark.length);
    }
    EXPECT_EQ(marked, (QStringList{q("Guarda"), q("guarda")}));
    EXPECT_EQ(passageOf(row, {q("guardado")}, WordMatching::WholeWords).place,
              Passage::Place::KeyWords);
    EXPECT_EQ(passageOf(row, {q("aguarda")}, WordMatching::WholeWords).place,
              Passage::Place::Nowhere);
}

}  // namespace
}  // namespace corvanel
