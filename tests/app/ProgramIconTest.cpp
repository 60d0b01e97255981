#include "ProgramIcon.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

// The windows' green, the emblem's ground.
constexpr QRgb kWindowGreen = qRgb(123, 198, 33);

TEST(ProgramIcon, HoldsEverySizeOfTheIconThemeDrawnFromTheEmblem) {
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        ASSERT_TRUE(sizes.contains(QSize(side, side))) << side;
        const QImage picture =
            icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), QSize(side, side));
        // Round corners show the desktop through them; the ground is the green.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << side;
        EXPECT_EQ(picture.pixel(side / 4, side / 4), kWindowGreen) << side;
    }
}

}  // namespace
}  // namespace corvanel
