#include "WindowMemory.h"

#include "RememberedState.h"
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace corvanel {

WindowMemory::WindowMemory(QWidget* window, RememberedState& state)
    : QObject(window), window_(window), state_(state) {
    window->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (window_->isVisible()) {
            remember();
        }
    });
}

bool WindowMemory::restore() {
    const std::optional<WindowFrame> frame = state_.windowFrame(window_->objectName());
    if (!frame) {
        return false;
    }
    window_->resize(frame->size.expandedTo(window_->minimumSize()));
    window_->move(frame->position);
    WindowPlacement::keepInsideScreen(window_);
    return true;
}

void WindowMemory::remember() {
    // A size a small screen forced is not the user's choice.
    state_.storeWindowFrame(window_->objectName(),
                            {window_->pos(), WindowPlacement::chosenSize(window_)});
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->spontaneous()) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Show) {
        shown_ = true;
    } else if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) && shown_) {
        remember();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanel
