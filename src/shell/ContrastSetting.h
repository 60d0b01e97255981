#pragma once

#include <optional>

// Whether the windows show the high-contrast look: the user's own choice,
// remembered between runs, else what the desktop asks for.
namespace corvanel::ContrastSetting {

std::optional<bool> stored();
void store(bool highContrast);

// The desktop's accessibility setting, where this platform tells it.
bool desktopAsksForHighContrast();

bool highContrastAtStart();

}  // namespace corvanel::ContrastSetting
