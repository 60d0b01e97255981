#include "WidgetTreeFilter.h"

#include <QChildEvent>
#include <QObject>

namespace corvanel {

void filterWidgetTree(QObject* root, QObject* filter) {
    root->installEventFilter(filter);
    for (QObject* child : root->children()) {
        if (child->isWidgetType()) {
            filterWidgetTree(child, filter);
        }
    }
}

void followAddedWidget(QEvent* event, QObject* filter) {
    if (event->type() != QEvent::ChildAdded) {
        return;
    }
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) {
        filterWidgetTree(child, filter);
    }
}

}  // namespace corvanel
