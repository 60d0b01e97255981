#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

// Where the result-list window's controls sit, in client coordinates.
namespace corvanel::result_list_layout {

// The design's outer size, 646 × 387, less a window frame.
constexpr QSize kClientSize{638, 353};
constexpr QPoint kPosition{237, 167};

// The resize rules, in outer sizes (frame included): the smallest window,
// and what the list, the right header picture `Image7` and the strip
// `Panel3` leave of the window's width and height.
constexpr QSize kMinimumOuterSize{650, 414};
constexpr QSize kListMargins{22, 108};
constexpr int kImage7Margin = 450;
constexpr int kPanel3Margin = 10;

struct Picture {
    QStringView file;  // under ":/artwork/"
    QRect geometry;
};

// A picture button: its pictures, size and hint are those of the program's
// table of picture buttons.
struct Button {
    QStringView name;
    QPoint position;
};

constexpr Picture Fundo{u"results-header.jpg", {5, 0, 630, 73}};
constexpr Picture Image7{u"results-header-right.jpg", {432, 0, 200, 73}};
constexpr Picture Image3{u"results-emblem.jpg", {320, 13, 129, 48}};
constexpr Picture Image2{u"results-button-captions.jpg", {548, 32, 77, 17}};

constexpr QRect Edit3{14, 16, 251, 21};

constexpr Button Bt_busca{u"Bt_busca", {288, 5}};
constexpr Button Tavik3{u"Tavik3", {288, 35}};
constexpr Button Tavik4{u"Tavik4", {552, 5}};
constexpr Button Tavik1{u"Tavik1", {592, 5}};

// The scope and count row: its captions and fields drop 5 pixels in the
// plain layout.
constexpr Picture Image6{u"results-scope-caption.jpg", {8, 40, 145, 17}};
constexpr QRect Pesquisando{152, 43, 113, 13};
constexpr Picture Image5{u"results-count-caption.jpg", {472, 40, 113, 17}};
constexpr QRect Edit5{597, 43, 25, 11};
constexpr int kPlainLayoutDrop = 5;

constexpr QRect ListBox1{5, 64, 628, 289};

// Cover panels over the search tools in the listing layout.
constexpr QRect Panel1{8, 0, 625, 41};
constexpr Picture Image4{u"results-listing-cover.jpg", {0, 0, 625, 41}};
constexpr QRect Panel2{272, 39, 193, 25};
constexpr Picture Image8{u"results-narrow-cover.jpg", {0, 0, 193, 25}};
constexpr QRect Panel3{0, 0, 635, 17};

constexpr int kWindowFontPixels = 11;
constexpr int kScopeFontPixels = 8;
constexpr int kListFontPixels = 11;

}  // namespace corvanel::result_list_layout
