#include "LayoutColor.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

TEST(ColourValues, PlainValuesAreRgbAndSystemColoursComeFromThePalette) {
    // Every role its own colour, so that the role taken shows.
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        palette.setColor(QPalette::Active, static_cast<QPalette::ColorRole>(role),
                         QColor(role, 100 + role, 200 - role));
    }
    const auto role = [&](QPalette::ColorRole r) { return palette.color(QPalette::Active, r); };
    const struct {
        LayoutColor value;
        QColor expected;
    } table[] = {
        {2213499, QColor(123, 198, 33)},
        {13816530, QColor(210, 210, 210)},
        {0x0000FF, QColor(255, 0, 0)},
        {kSystemButtonFace, role(QPalette::Button)},
        {kSystemButtonHighlight, role(QPalette::Light)},
        {kSystemHighlightText, role(QPalette::HighlightedText)},
        {kSystemMenu, role(QPalette::Window)},
        {0xFF0000FF, QColor(Qt::black)},  // no such system colour
        {0xFF00010F, QColor(Qt::black)},
    };
    for (const auto& row : table) {
        EXPECT_EQ(toQColor(row.value, palette), row.expected) << std::hex << row.value;
    }
}

}  // namespace
}  // namespace corvanel
