#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace corvanel {

// A colour as the layouts store it: red in the lowest byte, then green, then
// blue; a value whose highest byte is FF names a system colour by the index in
// its lowest byte.
using LayoutColor = quint32;

inline constexpr LayoutColor clBlack = 0x000000;
inline constexpr LayoutColor clWhite = 0xFFFFFF;
inline constexpr LayoutColor clWindowGreen = 2213499;  // red 123, green 198, blue 33
inline constexpr LayoutColor clLightGrey = 13816530;   // red = green = blue = 210

inline constexpr LayoutColor clBackground = 0xFF000001;
inline constexpr LayoutColor clMenu = 0xFF000004;
inline constexpr LayoutColor clCaptionText = 0xFF000009;
inline constexpr LayoutColor clActiveBorder = 0xFF00000A;
inline constexpr LayoutColor clHighlightText = 0xFF00000E;
inline constexpr LayoutColor clBtnFace = 0xFF00000F;
inline constexpr LayoutColor clBtnShadow = 0xFF000010;
inline constexpr LayoutColor clBtnHighlight = 0xFF000014;

// The colour to paint for value: plain values as they are, system colours
// from the nearest role of palette. An unknown system colour is black.
QColor toQColor(LayoutColor value, const QPalette& palette);

}  // namespace corvanel
