#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace corvanel {

// A colour as the layouts store it: red in the lowest byte, then green, then
// blue; a value whose highest byte is FF names a system colour by the index in
// its lowest byte.
using TColor = quint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindowGreen = 2213499;  // red 123, green 198, blue 33
inline constexpr TColor clLightGrey = 13816530;   // red = green = blue = 210

inline constexpr TColor clBackground = 0xFF000001;
inline constexpr TColor clMenu = 0xFF000004;
inline constexpr TColor clCaptionText = 0xFF000009;
inline constexpr TColor clActiveBorder = 0xFF00000A;
inline constexpr TColor clHighlightText = 0xFF00000E;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;

// The colour to paint for value: plain values as they are, system colours
// from the nearest role of palette. An unknown system colour is black.
QColor toQColor(TColor value, const QPalette& palette);

}  // namespace corvanel
