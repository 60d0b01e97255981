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

// The bar's advance while the collection is opened: 1000 steps of 1000 / 90,
// each clamped by the bar, so it ends full.
inline void advanceWhileOpeningCollection(StartupProgress& progress) {
    constexpr int kSteps = 1000;
    constexpr int kStep = 1000 / 90;
    for (int i = 0; i < kSteps; ++i) {
        progress.setBarPosition(progress.barPosition() + kStep);
    }
}

}  // namespace corvanel
