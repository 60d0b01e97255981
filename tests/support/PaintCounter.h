#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace corvanel::testing {

// Counts the paints a widget receives.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

}  // namespace corvanel::testing
