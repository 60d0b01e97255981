#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace corvanel {

// A colour as the layouts store it: red in the lowest byte, then green, then
// blue; a value whose highest byte is FF names a system colour by the index in
// its lowest byte.
using LayoutColor = quint32;

inline constexpr LayoutColor kBlack = 0x000000;
inline constexpr LayoutColor kWhite = 0xFFFFFF;
inline constexpr LayoutColor kWindowGreen = 2213499;  // red 123, green 198, blue 33
inline constexpr LayoutColor kLightGrey = 13816530;   // red = green = blue = 210

// System colours, by the role they play in Windows.
inline constexpr LayoutColor kSystemDesktop = 0xFF000001;
inline constexpr LayoutColor kSystemMenu = 0xFF000004;
inline constexpr LayoutColor kSystemActiveBorder = 0xFF00000A;
inline constexpr LayoutColor kSystemHighlightText = 0xFF00000E;
inline constexpr LayoutColor kSystemButtonFace = 0xFF00000F;
inline constexpr LayoutColor kSystemButtonShadow = 0xFF000010;
inline constexpr LayoutColor kSystemButtonHighlight = 0xFF000014;

// The colour to paint for value: plain values as they are, system colours
// from the nearest role of palette. An unknown system colour is black.
QColor toQColor(LayoutColor value, const QPalette& palette);

}  // namespace corvanel
