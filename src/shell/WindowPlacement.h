#pragma once

class QWidget;

namespace corvanel::WindowPlacement {

// Moves a top-level window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

// Shows a hidden window, or brings a visible one to the front as it is.
void showOrRaise(QWidget* window);

}  // namespace corvanel::WindowPlacement
