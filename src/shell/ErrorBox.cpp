#include "ErrorBox.h"

#include "DatabaseError.h"
#include "Prompts.h"

namespace corvanel {

QString errorText(const std::exception& error) {
    if (const auto* databaseError = dynamic_cast<const DatabaseError*>(&error)) {
        return databaseError->message();
    }
    return QString::fromLocal8Bit(error.what());
}

void showStandardError(const QString& message) noexcept {
    try {
        Prompts::current().error(message);
    } catch (...) {
        // Nothing sensible is left to do when the error box itself fails.
    }
}

}  // namespace corvanel
