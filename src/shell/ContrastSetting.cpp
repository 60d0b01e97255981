#include "ContrastSetting.h"

#include "UserSettings.h"

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#include <QGuiApplication>
#include <QStyleHints>
#endif

namespace corvanel::ContrastSetting {

namespace {
const QString kKey = QStringLiteral("aparencia/altoContraste");
}  // namespace

std::optional<bool> stored() {
    UserSettings settings;
    if (!settings.raw().contains(kKey)) {
        return std::nullopt;
    }
    return settings.raw().value(kKey).toBool();
}

void store(bool highContrast) {
    UserSettings settings;
    settings.raw().setValue(kKey, highContrast);
    settings.sync();
}

bool desktopAsksForHighContrast() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    if (QGuiApplication::styleHints()->accessibility()->contrastPreference() ==
        Qt::ContrastPreference::HighContrast) {
        return true;
    }
#endif
    // GNOME and GTK desktops name their high-contrast themes so.
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    return gtkTheme.contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
}

bool highContrastAtStart() {
    return stored().value_or(desktopAsksForHighContrast());
}

}  // namespace corvanel::ContrastSetting
