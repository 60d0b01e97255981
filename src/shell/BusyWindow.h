#pragma once

#include <QWidget>

namespace corvanel {

class FrameAnimation;

// The small "Aguarde..." window shown around long database work. It takes
// no input; the work blocks the GUI thread, so showing repaints at once.
class BusyWindow final : public QWidget {
    Q_OBJECT

public:
    explicit BusyWindow(QWidget* parent = nullptr);

    void showBusy();
    void hideBusy();

    FrameAnimation* animation() const { return Animate1; }

private:
    FrameAnimation* Animate1 = nullptr;
};

// Shows the busy window for as long as it lives: the window goes away when
// the work ends, also when it ends in an error.
class BusyScope {
public:
    explicit BusyScope(BusyWindow* screen);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyWindow* screen_;
};

}  // namespace corvanel
