#pragma once

#include <QString>

namespace corvanel {

// What the windows created at start-up may tell the user about their
// progress: a status text and a bar from 0 to 100.
class StartupProgress {
public:
    virtual ~StartupProgress() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual void setBarPosition(int position) = 0;
    virtual int barPosition() const = 0;
};

}  // namespace corvanel
