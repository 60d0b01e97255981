#pragma once

namespace corvanel {

// Lets screen readers see every picture button as a button with a name.
// Safe to call more than once.
void installPictureButtonAccessibility();

}  // namespace corvanel
