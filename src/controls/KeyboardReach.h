#pragma once

class QWidget;

// Tab moves only among the controls the user can see: a control hidden
// under a page or a picture laid over it is no stop.
namespace corvanel::KeyboardReach {

// Shown, enabled, and the topmost control at its centre (or inside it).
bool isInSight(const QWidget* widget);

// Moves the focus within window to the next (or previous) control of its
// focus chain that takes Tab and is in sight; false when there is none.
bool focusNext(QWidget* window, bool forward);

// The first control of window's focus chain that Tab would reach, or null.
QWidget* firstInSight(QWidget* window);

}  // namespace corvanel::KeyboardReach
