#include "ContrastSetting.h"

#include <QSettings>
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
    const QSettings settings;
    if (!settings.contains(kKey)) {
        return std::nullopt;
    }
    return settings.value(kKey).toBool();
}

void store(bool highContrast) {
    QSettings settings;
    settings.setValue(kKey, highContrast);
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
