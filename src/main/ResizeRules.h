#pragma once

#include <QSize>

#include <optional>

// How the main window follows its right and bottom edges.
namespace corvanel::main_window {

// The new places and sizes of what moves or grows, for the window's outer
// size W × H.
struct ResizedLayout {
    int logosBackdropWidth;
    int rightEdgeLeft;
    int rightEdgeHeight;
    int tabRowEndWidth;
    int footerLeft;
    int footerTop;
    int greenStripHeight;
    int greenBarWidth;
    int leftEdgeHeight;
    int footerLeftTop;
    QSize page;  // every section page and the start page
    QSize tree;  // every section tree

    bool operator==(const ResizedLayout&) const = default;
};

// None at 770 wide or less or 540 high or less: then nothing moves, and
// whatever the last larger size placed stays where it is.
std::optional<ResizedLayout> resizedLayout(QSize outer);

}  // namespace corvanel::main_window
