#pragma once

#include <QWidget>

namespace corvanel {

class FrameAnimation;

// The small "Aguarde..." window shown around long database work. It takes
// no input; the work blocks the GUI thread, so showing repaints at once.
class TProcurandoScreen final : public QWidget {
    Q_OBJECT

public:
    explicit TProcurandoScreen(QWidget* parent = nullptr);

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
    explicit BusyScope(TProcurandoScreen* screen);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TProcurandoScreen* screen_;
};

}  // namespace corvanel
