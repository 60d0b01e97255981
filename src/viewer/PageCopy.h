#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace corvanel {

// Raised when a page cannot be saved; its text is what the user reads.
class SaveFailed : public std::runtime_error {
public:
    explicit SaveFailed(const QString& message);
};

// Copies of content pages the user saves, byte for byte.
namespace PageCopy {

// The whole of a page's file; throws SaveFailed when it is missing or
// cannot be read.
QByteArray readPage(const QString& file);

// Writes bytes to path as a whole or not at all: they go to a temporary
// file beside path, which then takes path's place. An existing file is
// replaced. Throws SaveFailed, leaving path as it was.
void writeWhole(const QString& path, const QByteArray& bytes);

}  // namespace PageCopy

}  // namespace corvanel
