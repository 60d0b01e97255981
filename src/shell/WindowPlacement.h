#pragma once

class QRect;
class QSize;
class QWidget;

namespace corvanel::WindowPlacement {

// Moves a top-level window to the centre of the screen it is on, inside
// the screen's available area.
void centreOnScreen(QWidget* window);

// Shows a hidden window, or brings a visible one to the front as it is;
// either way inside the available area of its screen.
void showOrRaise(QWidget* window);

// Keeps the window's frame inside the available area of its screen: it
// stays where it is when it fits, else moves in, and shrinks (not below
// its minimum size) when it is larger than the area.
void keepInsideScreen(QWidget* window);

// The size the user wants the window at: the one it had before a screen too
// small for it (a large scale, a small monitor) made keepInsideScreen shrink
// it, while it keeps the size it was shrunk to; else its size.
QSize chosenSize(const QWidget* window);

// Where frame goes inside available: moved as little as it takes, its
// size bounded by available's and not below minimum.
QRect fittedFrame(const QRect& frame, const QRect& available, const QSize& minimum);

}  // namespace corvanel::WindowPlacement
