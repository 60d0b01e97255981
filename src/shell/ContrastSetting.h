#pragma once

#include "Look.h"

#include <optional>

// Whether the windows show the high-contrast look: the user's own choice,
// remembered between runs, else what the desktop asks for.
namespace corvanel::ContrastSetting {

std::optional<bool> stored();
void store(bool highContrast);

// The desktop's accessibility setting, asked once per run: a high-contrast
// GTK_THEME, the desktop portal's appearance "contrast", or GNOME's
// high-contrast key.
bool desktopAsksForHighContrast();

// The same, asked afresh.
bool askDesktop();

// Each source on its own, asked afresh; nullopt where it gives no answer.
// Each waits a fraction of a second at most.
std::optional<bool> portalAsksForHighContrast();
std::optional<bool> gnomeAsksForHighContrast();

// The stored choice; the desktop is asked only when there is none.
bool highContrastAtStart();

// "Tema escuro": the user's choice, remembered between runs; off unless chosen.
bool darkThemeStored();
void storeDarkTheme(bool dark);

// The look the windows start in: high contrast when chosen or asked for,
// else the dark theme when chosen, else the design's.
Look::Scheme schemeAtStart();

}  // namespace corvanel::ContrastSetting
