#include "ResizeRules.h"

namespace corvanel::main_window {

namespace {
constexpr int kSmallestWidthThatMoves = 771;
constexpr int kSmallestHeightThatMoves = 541;
// A tree sits 200 from its page's left edge and 120 from its top; these keep
// a margin on the right and at the foot.
constexpr QSize kTreeInset{205, 130};
}  // namespace

std::optional<ResizedLayout> resizedLayout(QSize outer) {
    const int w = outer.width();
    const int h = outer.height();
    if (w < kSmallestWidthThatMoves || h < kSmallestHeightThatMoves) {
        return std::nullopt;
    }
    const QSize page{w - 36, h - 244};
    return ResizedLayout{
        .logosBackdropWidth = w - 566,
        .rightEdgeLeft = w - 26,
        .rightEdgeHeight = h - 89,
        .tabRowEndWidth = w - 673,
        .footerLeft = w - 776,
        .footerTop = h - 120,
        .greenStripHeight = h - 591,
        .greenBarWidth = w - 35,
        .leftEdgeHeight = h - 57,
        .footerLeftTop = h - 101,
        .page = page,
        .tree = page - kTreeInset,
    };
}

}  // namespace corvanel::main_window
