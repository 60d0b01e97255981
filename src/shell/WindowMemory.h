#pragma once

#include <QObject>

class QWidget;

namespace corvanel {

class RememberedState;

// Keeps a window where the user left it, from one run to the next: puts it
// back at once, inside the screen, and remembers its place and size each
// time it is hidden or closed, and when the program ends. Windows are known
// by their object names.
class WindowMemory final : public QObject {
public:
    WindowMemory(QWidget* window, RememberedState& state);

    // Puts the window where it was last left, if it was ever; false when
    // nothing was remembered.
    bool restore();
    void remember();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    RememberedState& state_;
    bool shown_ = false;  // a window never shown has no place of the user's
};

}  // namespace corvanel
