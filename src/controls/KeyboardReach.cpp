#include "KeyboardReach.h"

#include <QWidget>

namespace corvanel::KeyboardReach {

namespace {

bool takesTab(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->focusProxy() == nullptr &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && isInSight(widget);
}

QWidget* step(QWidget* widget, bool forward) {
    return forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
}

}  // namespace

bool isInSight(const QWidget* widget) {
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) {
        return false;
    }
    QWidget* window = widget->window();
    if (widget == window) {
        return true;
    }
    const QWidget* top = window->childAt(widget->mapTo(window, widget->rect().center()));
    return top == widget || (top != nullptr && widget->isAncestorOf(top));
}

bool focusNext(QWidget* window, bool forward) {
    QWidget* start = window->focusWidget() != nullptr ? window->focusWidget() : window;
    for (QWidget* widget = step(start, forward); widget != start; widget = step(widget, forward)) {
        if (takesTab(widget, window)) {
            widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

QWidget* firstInSight(QWidget* window) {
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (takesTab(widget, window)) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace corvanel::KeyboardReach
