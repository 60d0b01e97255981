#pragma once

class QWidget;

namespace corvanel::WindowPlacement {

// Moves a top-level window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace corvanel::WindowPlacement
