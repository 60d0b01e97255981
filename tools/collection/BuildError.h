#pragma once

#include <QString>

#include <stdexcept>

namespace corvanel::collection {

// Raised when a collection cannot be built. The message is in Portuguese and
// names the place of the fault (file, line, document code) so the publisher
// can fix it without a debugger.
class BuildError : public std::runtime_error {
public:
    explicit BuildError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace corvanel::collection
