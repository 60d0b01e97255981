#pragma once

#include <QString>

#include <stdexcept>

namespace corvanel {

// Raised by the store for any failure of the database engine or of the file
// itself. The message is ready to be shown to the user as it stands.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message) : DatabaseError(message, 0, QString()) {}

    // When the engine failed: its primary result code and its own message,
    // which message tells after what the program was doing.
    DatabaseError(const QString& message, int engineCode, const QString& engineMessage)
        : std::runtime_error(message.toStdString()),
          message_(message),
          engineCode_(engineCode),
          engineMessage_(engineMessage) {}

    const QString& message() const { return message_; }
    int engineCode() const { return engineCode_; }  // 0: not the engine's failure
    const QString& engineMessage() const { return engineMessage_; }

private:
    QString message_;
    int engineCode_ = 0;
    QString engineMessage_;
};

}  // namespace corvanel
