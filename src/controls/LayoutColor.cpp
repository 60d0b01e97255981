#include "LayoutColor.h"

#include <QPalette>

#include <array>
#include <optional>

namespace corvanel {

namespace {

constexpr LayoutColor kSystemColourMark = 0xFF000000;

// The system colours by index, each with the palette role that plays its part
// in a Qt window.
constexpr std::array<QPalette::ColorRole, 31> kSystemColourRoles{
    QPalette::Button,           // 0 scroll bar
    QPalette::Dark,             // 1 desktop background
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Button,           // 10 active border
    QPalette::Button,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 tool-tip text
    QPalette::ToolTipBase,      // 24 tool-tip background
    QPalette::Button,           // 25 (unused)
    QPalette::Link,             // 26 hot-tracked item
    QPalette::Highlight,        // 27 active caption gradient
    QPalette::Mid,              // 28 inactive caption gradient
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

std::optional<QPalette::ColorRole> systemColourRole(LayoutColor value) {
    const LayoutColor index = value & 0xFFu;
    if ((value & 0x00FFFF00u) != 0 || index >= kSystemColourRoles.size()) {
        return std::nullopt;
    }
    return kSystemColourRoles.at(index);
}

}  // namespace

QColor toQColor(LayoutColor value, const QPalette& palette) {
    if ((value & 0xFF000000u) == kSystemColourMark) {
        const auto role = systemColourRole(value);
        return role ? palette.color(QPalette::Active, *role) : QColor(Qt::black);
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

}  // namespace corvanel
