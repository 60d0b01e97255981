#include "RecentUserInput.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include "WidgetTreeFilter.h"

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
    // Input meant for the view arrives at the page engine's own widgets.
    filterWidgetTree(view, this);
}

bool RecentUserInput::eventFilter(QObject* watched, QEvent* event) {
    followAddedWidget(event, this);
    if (isActivation(event)) {
        until_ = QDeadlineTimer(kMomentMs);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanel
