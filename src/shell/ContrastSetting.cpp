#include "ContrastSetting.h"

#include "Look.h"
#include "UserSettings.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#include <QGuiApplication>
#include <QStyleHints>
#endif

namespace corvanel::ContrastSetting {

namespace {

const QString kKey = QStringLiteral("aparencia/altoContraste");
const QString kDarkThemeKey = QStringLiteral("aparencia/temaEscuro");

// Long enough for a desktop under load, short enough that a start-up
// without an answer is not noticed.
constexpr int kPortalTimeoutMs = 300;
constexpr int kGsettingsTimeoutMs = 500;

// The portal answers in a variant, older ones in a variant inside a variant.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

// Without one, connecting would have D-Bus launch a bus of its own.
bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + u"/bus");
}

bool gtkThemeAsksForHighContrast() {
    // GNOME and GTK desktops name their high-contrast themes so.
    return qEnvironmentVariable("GTK_THEME")
        .contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
}

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

std::optional<bool> portalAsksForHighContrast() {
    if (!sessionBusExists()) {
        return std::nullopt;
    }
    const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Never start the portal just to ask it: that can take seconds.
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(service).value()) {
        return std::nullopt;
    }
    for (const QString& method : {QStringLiteral("ReadOne"), QStringLiteral("Read")}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Settings"), method);
        call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("contrast");
        const QDBusMessage reply = bus.call(call, QDBus::Block, kPortalTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            // 0: no preference, 1: higher contrast.
            return unwrapped(reply.arguments().constFirst()).toUInt() == 1;
        }
    }
    return std::nullopt;
}

std::optional<bool> gnomeAsksForHighContrast() {
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(gsettings,
                  {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.a11y.interface"),
                   QStringLiteral("high-contrast")});
    if (!process.waitForFinished(kGsettingsTimeoutMs)) {
        process.kill();
        process.waitForFinished(kGsettingsTimeoutMs);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    const QByteArray answer = process.readAllStandardOutput().trimmed();
    if (answer != "true" && answer != "false") {
        return std::nullopt;
    }
    return answer == "true";
}

bool askDesktop() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    if (QGuiApplication::styleHints()->accessibility()->contrastPreference() ==
        Qt::ContrastPreference::HighContrast) {
        return true;
    }
#endif
    if (gtkThemeAsksForHighContrast()) {
        return true;
    }
    // The portal speaks for the desktop in use, GNOME or not; where it
    // is missing, GNOME's own key.
    if (const std::optional<bool> portal = portalAsksForHighContrast()) {
        return *portal;
    }
    return gnomeAsksForHighContrast().value_or(false);
}

bool desktopAsksForHighContrast() {
    static const bool asks = askDesktop();
    return asks;
}

bool highContrastAtStart() {
    if (const std::optional<bool> choice = stored()) {
        return *choice;
    }
    return desktopAsksForHighContrast();
}

bool darkThemeStored() {
    return UserSettings().raw().value(kDarkThemeKey, false).toBool();
}

void storeDarkTheme(bool dark) {
    UserSettings settings;
    settings.raw().setValue(kDarkThemeKey, dark);
    settings.sync();
}

Look::Scheme schemeAtStart() {
    if (highContrastAtStart()) {
        return Look::Scheme::HighContrast;
    }
    return darkThemeStored() ? Look::Scheme::Dark : Look::Scheme::Design;
}

}  // namespace corvanel::ContrastSetting
