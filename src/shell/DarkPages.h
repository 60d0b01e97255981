#pragma once

// "Páginas escuras": the pages shown in dark colours, pictures as they are.
// Off unless the user asks: pages keep their own colours, even in the dark
// theme. The choice is remembered between runs.
namespace corvanel::DarkPages {

bool enabled();
// Applies to the pages shown and to every page loaded from now on.
void setEnabled(bool dark);
// The choice remembered, at start.
void applyStored();

}  // namespace corvanel::DarkPages
