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
        .image38Width = w - 566,
        .panel4Left = w - 26,
        .panel4Height = h - 89,
        .panel7Width = w - 673,
        .panel5Left = w - 776,
        .panel5Top = h - 120,
        .panel6Height = h - 591,
        .barraVerdeWidth = w - 35,
        .panel2Height = h - 57,
        .panel3Top = h - 101,
        .page = page,
        .tree = page - kTreeInset,
    };
}

}  // namespace corvanel::main_window
