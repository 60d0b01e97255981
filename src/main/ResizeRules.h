#pragma once

#include <QSize>

#include <optional>

// How the main window follows its right and bottom edges.
namespace corvanel::main_window {

// The new places and sizes of what moves or grows, for the window's outer
// size W × H.
struct ResizedLayout {
    int image38Width;
    int panel4Left;
    int panel4Height;
    int panel7Width;
    int panel5Left;
    int panel5Top;
    int panel6Height;
    int barraVerdeWidth;
    int panel2Height;
    int panel3Top;
    QSize page;  // every section page and the start page
    QSize tree;  // every section tree

    bool operator==(const ResizedLayout&) const = default;
};

// None at 770 wide or less or 540 high or less: then nothing moves, and
// whatever the last larger size placed stays where it is.
std::optional<ResizedLayout> resizedLayout(QSize outer);

}  // namespace corvanel::main_window
