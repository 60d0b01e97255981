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

    // Shown above requester, the window that waits for the work.
    void showBusy(QWidget* requester = nullptr);
    void hideBusy();

    FrameAnimation* animation() const { return findFolderClip_; }

private:
    FrameAnimation* findFolderClip_ = nullptr;
};

}  // namespace corvanel
