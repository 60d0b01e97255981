#include "Collection.h"
#include "RecordingPrompts.h"
#include "ResultListModel.h"
#include "ResultListWindow.h"
#include "SearchOptions.h"
#include "TestCollection.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <set>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCollection;

constexpr int kArticles = 40;

// The word of an article's own, different in each.
QString ownWord(int article) {
    return q("marcador") + QString(QChar(u'a' + article % 26)) +
           QString(QChar(u'a' + article / 26));
}

// One statute whose articles all say "criança", each in its own words;
// one card found by its key words alone.
QList<testing::TestCard> statuteCards() {
    QStringList articles;
    for (int article = 1; article <= kArticles; ++article) {
        articles << q("Art. %1. Disposição %2 sobre a proteção integral da criança e do "
                      "adolescente, com absoluta prioridade.")
                        .arg(article)
                        .arg(ownWord(article));
    }
    return {
        card(1, q("Estatuto da Criança"), q("Congresso Nacional"), q("B"), q("B01"), q(""),
             articles),
        card(2, q("Cartilha"), q(""), q("A"), q("A03"), q("criança"), {q("Texto sem a palavra.")}),
    };
}

class ResultPassages : public ::testing::Test {
protected:
    ResultPassages() {
        opened = Collection::open(collection.programFolder());
        textos.run({.kind = q("T"), .words = q(" "), .argument = q(" "), .clearsLists = true});
        textos.searchBox()->setText(q("criança"));
        textos.search();
        settle();
    }
    ~ResultPassages() override { textos.hide(); }

    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }

    const QAbstractItemModel& model() const { return *textos.resultList()->model(); }
    QModelIndex at(int row) const { return model().index(row, 0); }

    // The lines a row's passage is drawn under, in order.
    QList<int> passageLines() const {
        QList<int> rows;
        for (int row = 0; row + 1 < model().rowCount(); ++row) {
            if (at(row).data(ResultListModel::PassageRole).isValid() ||
                at(row).data(ResultListModel::PassageAwaitedRole).toBool()) {
                rows << row;
            }
        }
        return rows;
    }
    Passage passageAt(int row) const {
        return at(row).data(ResultListModel::PassageRole).value<Passage>();
    }
    // As drawn: rows measured when they are first drawn.
    int heightOf(int row) const {
        textos.resultList()->viewport()->grab();
        return textos.resultList()->visualRect(at(row)).height();
    }
    bool inView(int row) const {
        return textos.resultList()->viewport()->rect().intersects(
            textos.resultList()->visualRect(at(row)));
    }

    // The rows of ink of an item, and the lightest of the darkest pixels
    // of each.
    struct Ink {
        int bands = 0;
        QList<int> darkestOfBand;
    };
    Ink inkOf(int row) const {
        const QImage image =
            textos.resultList()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect item = textos.resultList()->visualRect(at(row));
        Ink ink;
        bool inBand = false;
        for (int y = item.top(); y <= item.bottom(); ++y) {
            int darkest = 255;
            for (int x = item.left(); x <= item.right(); ++x) {
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
            const bool dark = darkest < 200;
            if (dark && !inBand) {
                ++ink.bands;
                ink.darkestOfBand << darkest;
            } else if (dark) {
                ink.darkestOfBand.back() = std::min(ink.darkestOfBand.back(), darkest);
            }
            inBand = dark;
        }
        return ink;
    }

    TestCollection collection{statuteCards()};
    testing::RecordingPrompts prompts;
    Collection opened{collection.connectionString()};
    ResultListWindow textos{opened};
};

TEST_F(ResultPassages, EachRowShowsItsOwnWordsInContextReadOnlyOnceInView) {
    const QList<int> under = passageLines();
    ASSERT_EQ(under.size(), kArticles + 1);
    std::set<QString> seen;
    int read = 0;
    for (const int row : under) {
        const bool known = at(row).data(ResultListModel::PassageRole).isValid();
        EXPECT_EQ(known, !at(row).data(ResultListModel::PassageAwaitedRole).toBool());
        if (!known) {
            EXPECT_FALSE(inView(row)) << row;
            continue;
        }
        ++read;
        const Passage passage = passageAt(row);
        seen.insert(passage.shown());
        if (passage.place == Passage::Place::Text) {
            ASSERT_FALSE(passage.marks.isEmpty());
            EXPECT_EQ(passage.text.mid(passage.marks[0].start, passage.marks[0].length),
                      q("criança"));
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_LT(read, under.size()) << "only the rows in view are read";
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(read)) << "every row its own passage";

    textos.resultList()->scrollToBottom();
    settle();
    EXPECT_TRUE(at(under.back()).data(ResultListModel::PassageRole).isValid());
}

TEST_F(ResultPassages, AMatchInTheKeyWordsSaysSoAndTheRowsFirstLineTellsIt) {
    const QList<int> under = passageLines();
    // "Cartilha" comes first in title order.
    const Passage note = passageAt(under.first());
    EXPECT_EQ(note.shown(), q("nas palavras-chave"));
    EXPECT_TRUE(at(0).data(Qt::AccessibleTextRole).toString().contains(q("nas palavras-chave")));
    EXPECT_TRUE(
        at(under[1]).data(Qt::AccessibleTextRole).toString().contains(passageAt(under[1]).shown()));
}

TEST_F(ResultPassages, ARowGrowsByItsPassageInAQuieterInkUntilTheyAreTurnedOff) {
    const int row = passageLines()[1];
    ASSERT_TRUE(inView(row));
    const Ink shown = inkOf(row);
    const int withPassage = heightOf(row);
    // The subtitle, then the passage's lines, lighter than the subtitle's.
    ASSERT_GE(shown.bands, 2);
    EXPECT_LE(shown.bands, 3);
    EXPECT_GT(shown.darkestOfBand.last(), shown.darkestOfBand.first());

    textos.setPassagesShown(false);
    settle();
    EXPECT_FALSE(textos.passagesShown());
    EXPECT_TRUE(passageLines().isEmpty());
    EXPECT_LT(heightOf(row), withPassage);
    EXPECT_EQ(inkOf(row).bands, 1);

    textos.setPassagesShown(true);
    settle();
    EXPECT_EQ(heightOf(row), withPassage);
}

TEST_F(ResultPassages, OpeningARowOpensAtItsOwnPassage) {
    QStringList openedAt;
    textos.setPageOpeners({[&](const DocumentToOpen& document) {
                               EXPECT_EQ(document.pageName, q("1"));
                               EXPECT_EQ(document.searchWords, QStringList{q("criança")});
                               openedAt << document.passage;
                           },
                           {}});
    const QList<int> under = passageLines();
    const int fourteenth = under[14];
    textos.resultList()->scrollTo(at(fourteenth));
    settle();
    // Any line of the row: its title here.
    textos.openLine(at(fourteenth - 1));
    ASSERT_EQ(openedAt.size(), 1);
    EXPECT_EQ(openedAt[0], passageAt(fourteenth).text);
    EXPECT_TRUE(openedAt[0].contains(ownWord(14)));
}

TEST_F(ResultPassages, AGroupedRowShowsItsCountAndItsBestPassageAndOpensThere) {
    QString openedAt;
    textos.setPageOpeners(
        {[&](const DocumentToOpen& document) { openedAt = document.passage; }, {}});
    textos.searchOptions()->setGroupedByDocument(true);
    settle();
    const QList<int> under = passageLines();
    ASSERT_EQ(under.size(), 2);
    const int statute = under[1];
    EXPECT_EQ(at(statute).data().toString(), q("%1 trechos").arg(kArticles));
    const Passage best = passageAt(statute);
    EXPECT_TRUE(best.text.contains(ownWord(1)));
    textos.openLine(at(statute));
    EXPECT_EQ(openedAt, best.text);
}

TEST_F(ResultPassages, AListingHasNone) {
    textos.run({.kind = q("G"), .argument = q("T"), .clearsLists = true});
    settle();
    EXPECT_TRUE(passageLines().isEmpty());
}

}  // namespace
}  // namespace corvanel
