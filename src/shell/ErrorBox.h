#pragma once

#include <QString>

#include <exception>

namespace corvanel {

// The text of an error as the user should read it.
QString errorText(const std::exception& error);

// Runs an event handler; an error it raises is shown in the standard error
// box and goes no further, so no exception ever reaches Qt's event loop.
// Returns whether the handler finished.
template <typename Handler>
bool runGuarded(Handler&& handler) noexcept;

void showStandardError(const QString& message) noexcept;

template <typename Handler>
bool runGuarded(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        showStandardError(errorText(error));
    } catch (...) {
        showStandardError(QStringLiteral("Ocorreu um erro inesperado."));
    }
    return false;
}

}  // namespace corvanel
