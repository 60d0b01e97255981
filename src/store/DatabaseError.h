#pragma once

#include <QString>

#include <stdexcept>

namespace corvanel {

// Raised by the store for any failure of the database engine or of the file
// itself. The message is ready to be shown to the user as it stands.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace corvanel
