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
// and what the list, the right header strip and the strip
// cover leave of the window's width and height.
constexpr QSize kMinimumOuterSize{650, 414};
constexpr QSize kListMargins{22, 108};
constexpr int kHeaderStripMargin = 450;
constexpr int kStripCoverMargin = 10;

struct Picture {
    QStringView name;  // the layout's name, kept as object name
    QStringView file;  // under ":/artwork/"
    QRect geometry;
};

// A picture button: its pictures, size and hint are those of the program's
// table of picture buttons.
struct Button {
    QStringView name;
    QPoint position;
};

constexpr Picture kBackground{u"Fundo", u"results-header.jpg", {5, 0, 630, 73}};
constexpr Picture kHeaderStrip{u"Image7", u"results-header-right.jpg", {432, 0, 200, 73}};
constexpr Picture kEmblem{u"Image3", u"results-emblem.jpg", {320, 13, 129, 48}};
constexpr Picture kButtonCaptions{u"Image2", u"results-button-captions.jpg", {548, 32, 77, 17}};

constexpr QRect kSearchBox{14, 16, 251, 21};
// "Palavra inteira", right of the emblem, covered with the search tools.
constexpr QRect kWholeWordsBox{456, 12, 92, 17};

constexpr Button kSearchButton{u"Bt_busca", {288, 5}};
constexpr Button kNarrowButton{u"Tavik3", {288, 35}};
constexpr Button kBackButton{u"Tavik4", {552, 5}};
constexpr Button kHelpButton{u"Tavik1", {592, 5}};

// The scope and count row: its captions and fields drop 5 pixels in the
// plain layout.
constexpr Picture kScopeCaption{u"Image6", u"results-scope-caption.jpg", {8, 40, 145, 17}};
constexpr QRect kScopeField{152, 43, 113, 13};
constexpr Picture kCountCaption{u"Image5", u"results-count-caption.jpg", {472, 40, 113, 17}};
constexpr QRect kCountField{597, 43, 25, 11};
constexpr int kPlainLayoutDrop = 5;

constexpr QRect kResultList{5, 64, 628, 289};

// Cover panels over the search tools in the listing layout.
constexpr QRect kSearchCover{8, 0, 625, 41};
constexpr Picture kSearchCoverPicture{u"Image4", u"results-listing-cover.jpg", {0, 0, 625, 41}};
constexpr QRect kToolsCover{272, 39, 193, 25};
constexpr Picture kToolsCoverPicture{u"Image8", u"results-narrow-cover.jpg", {0, 0, 193, 25}};
constexpr QRect kStripCover{0, 0, 635, 17};

constexpr int kWindowFontPixels = 11;
// The scope and the count: the window's own size, following the zoom within
// what their row above the list holds.
constexpr int kHeaderFieldFewestPixels = 9;
constexpr int kHeaderFieldMostPixels = 14;
constexpr int kListFontPixels = 11;

}  // namespace corvanel::result_list_layout
