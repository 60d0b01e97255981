#include "Collection.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "SearchCollection.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCollection;

// Lower-case words without descenders or accents, so that wrapped lines
// show as separate bands of ink.
const QString kLongTitle =
    q("Abrigo ") + q("direitos da crianca e do adolescente no sistema de medidas ").repeated(5);

QList<testing::TestCard> drawingCards() {
    return {
        card(1, q("Estatuto"), q("Textos: x"), q("A"), q("A03")),
        card(2, kLongTitle, q("textos:"), q("A"), q("A03")),
        card(3, q("Lei do SINASE"), q("Congresso Nacional"), q("B"), q("B02")),
    };
}

bool isGreenInk(QRgb pixel) {
    return qGreen(pixel) - qRed(pixel) > 40 && std::abs(qRed(pixel) - qBlue(pixel)) < 10;
}

bool isDarkInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// Listar Lumbra on a window at its smallest: labelled lines, one long title.
class ResultListDrawing : public ::testing::Test {
protected:
    ResultListDrawing() {
        opened = Collection::open(collection.programFolder());
        textos.run({.kind = q("G"), .argument = q("T")});
        settle();
    }
    ~ResultListDrawing() override { textos.hide(); }

    void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    }

    int row(const QString& text) const {
        const QModelIndexList found = textos.resultList()->model()->match(
            textos.resultList()->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first().row();
    }
    QRect itemRect(const QString& text) const {
        return textos.resultList()->visualRect(textos.resultList()->model()->index(row(text), 0));
    }
    QImage shot() const {
        return textos.resultList()->viewport()->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    // How many pixels of the item pass the test.
    template <typename Test>
    int count(const QImage& image, const QRect& item, Test test) const {
        int found = 0;
        for (int y = item.top(); y <= item.bottom(); ++y) {
            for (int x = item.left(); x <= item.right(); ++x) {
                found += test(image.pixel(x, y)) ? 1 : 0;
            }
        }
        return found;
    }

    // The item's text lines, as separate bands of ink.
    int inkBands(const QImage& image, const QRect& item) const {
        int bands = 0;
        bool inBand = false;
        for (int y = item.top(); y <= item.bottom(); ++y) {
            const bool ink = count(image, QRect(item.left(), y, item.width(), 1), isDarkInk) > 0;
            bands += ink && !inBand ? 1 : 0;
            inBand = ink;
        }
        return bands;
    }

    // The first column with ink in the item.
    int firstInkColumn(const QImage& image, const QRect& item) const {
        for (int x = item.left(); x <= item.right(); ++x) {
            if (count(image, QRect(x, item.top(), 1, item.height()), isDarkInk) > 0) {
                return x - item.left();
            }
        }
        return -1;
    }

    TestCollection collection{drawingCards()};
    testing::RecordingPrompts prompts;
    Collection opened{collection.connectionString()};
    ResultListWindow textos{opened};
};

TEST_F(ResultListDrawing, OnlyTheExactSectionLabelsAreGreen) {
    ASSERT_EQ(textos.countField()->text(), q("3"));
    const QImage image = shot();
    for (const char* label : {"Textos:", "Legislação:"}) {
        EXPECT_GT(count(image, itemRect(q(label)), isGreenInk), 0) << label;
    }
    for (const char* plain : {"Textos: x", "textos:", "2 - Estatuto", "Congresso Nacional"}) {
        const QRect item = itemRect(q(plain));
        EXPECT_GT(count(image, item, isDarkInk), 0) << plain;
        EXPECT_EQ(count(image, item, isGreenInk), 0) << plain;
    }
}

TEST_F(ResultListDrawing, TheSelectionColoursWinOverTheGreenAndFocusDarkensThem) {
    const QModelIndex label = textos.resultList()->model()->index(row(q("Textos:")), 0);
    textos.resultList()->setCurrentIndex(label);
    textos.resultList()->clearFocus();  // a listing hands the list the focus
    ASSERT_FALSE(textos.resultList()->hasFocus());
    const QRect item = textos.resultList()->visualRect(label);
    const QPoint blank(item.right() - 5, item.center().y());

    QImage image = shot();
    EXPECT_EQ(QColor(image.pixel(blank)), QColor(0x6B, 0xA6, 0xE7));
    EXPECT_EQ(count(image, item, isGreenInk), 0);
    EXPECT_GT(count(image, item, [](QRgb pixel) { return qGray(pixel) > 235; }), 0);
    const QRect other = itemRect(q("Textos: x"));
    EXPECT_EQ(QColor(image.pixel(other.right() - 5, other.center().y())), QColor(Qt::white));

    QApplication::setActiveWindow(&textos);
    textos.resultList()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return textos.resultList()->hasFocus(); }));
    image = shot();
    EXPECT_EQ(QColor(image.pixel(blank)), QColor(0x0B, 0x50, 0xC4));
    EXPECT_EQ(count(image, item, isGreenInk), 0);
}

TEST_F(ResultListDrawing, ALongTitleWrapsAndItsItemIsAsHighAsItsLinesPlusFour) {
    const QRect shortItem = itemRect(q("2 - Estatuto"));
    const int lineHeight = shortItem.height() - 4;
    ASSERT_GT(lineHeight, 10);
    EXPECT_EQ(itemRect(q(" ")).height(), shortItem.height());

    const QString title = q("1 - ") + kLongTitle;
    QRect item = itemRect(title);
    QImage image = shot();
    const int lines = inkBands(image, item);
    EXPECT_GE(lines, 3);
    EXPECT_EQ(item.height(), lines * lineHeight + 4);
    EXPECT_LE(item.width(), textos.resultList()->viewport()->width());

    // Wider: fewer lines, heights measured at the new width.
    textos.resize(textos.width() + 500, textos.height());
    settle();
    item = itemRect(title);
    image = shot();
    const int widerLines = inkBands(image, item);
    EXPECT_LT(widerLines, lines);
    EXPECT_EQ(item.height(), widerLines * lineHeight + 4);
}

TEST_F(ResultListDrawing, TheTextStartsFourPixelsInOrAfterTheItemPicture) {
    const QRect label = itemRect(q("Textos:"));
    EXPECT_EQ(firstInkColumn(shot(), label), 4);

    QPixmap picture(20, 30);
    picture.fill(Qt::red);
    textos.resultList()->setItemPicture(picture);
    settle();
    const QRect item = itemRect(q("Textos:"));
    EXPECT_EQ(item.height(), 32);  // the picture's height + 2 beats one text line
    const QImage image = shot();
    EXPECT_EQ(QColor(image.pixel(item.left() + 2, item.top() + 1)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(item.left() + 21, item.top() + 30)), QColor(Qt::red));
    EXPECT_NE(QColor(image.pixel(item.left() + 1, item.top() + 1)), QColor(Qt::red));
    EXPECT_EQ(firstInkColumn(image, item.adjusted(22, 0, 0, 0)), 2);  // 20 + 4 from the left
}

// Outer sizes, frame included.
TEST_F(ResultListDrawing, TheWindowKeepsItsMinimumAndTheListFollowsItsSize) {
    const QSize frame = textos.frameGeometry().size() - textos.size();
    struct Case {
        QSize asked, outer, list;
        int image7, panel3;
    };
    for (const Case& c : {Case{{300, 200}, {650, 414}, {628, 306}, 200, 640},
                          Case{{900, 700}, {900, 700}, {878, 592}, 450, 890}}) {
        textos.resize(c.asked - frame);
        settle();
        EXPECT_EQ(textos.frameGeometry().size(), c.outer);
        EXPECT_EQ(textos.resultList()->size(), c.list);
        EXPECT_EQ(textos.findChild<QWidget*>(q("Image7"))->width(), c.image7);
        EXPECT_EQ(textos.findChild<QWidget*>(q("Panel3"))->width(), c.panel3);
    }
}

}  // namespace
}  // namespace corvanel
