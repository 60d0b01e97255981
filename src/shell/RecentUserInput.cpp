#include "RecentUserInput.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace corvanel {

namespace {

// Long enough for a click to reach the page and come back as a navigation on
// a busy machine, too short for a page's timer to ride on.
constexpr int kMomentMs = 1000;

bool isActivation(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton button = static_cast<const QMouseEvent*>(event)->button();
            return button == Qt::LeftButton || button == Qt::MiddleButton;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<const QKeyEvent*>(event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        default:
            return false;
    }
}

}  // namespace

RecentUserInput::RecentUserInput(QWidget* view) : QObject(view) {
    watch(view);
}

void RecentUserInput::watch(QObject* object) {
    // The engine puts its own widget into the view, and may replace it; the
    // input goes there.
    object->installEventFilter(this);
    for (QObject* child : object->children()) {
        if (child->isWidgetType()) {
            watch(child);
        }
    }
}

bool RecentUserInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            watch(child);
        }
    } else if (isActivation(event)) {
        until_ = QDeadlineTimer(kMomentMs);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanel
