#include "ZoomControl.h"

#include <QAction>
#include <QChildEvent>
#include <QKeySequence>
#include <QWheelEvent>
#include <QWidget>
#include "WidgetTreeFilter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corvanel {

namespace {

constexpr std::array kSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

size_t stepIndex(double factor) {
    const auto nearest = std::min_element(
        kSteps.begin(), kSteps.end(),
        [factor](double a, double b) { return std::abs(a - factor) < std::abs(b - factor); });
    return static_cast<size_t>(nearest - kSteps.begin());
}

}  // namespace

ZoomControl::ZoomControl(QWidget* window, QWidget* area) : QObject(window) {
    addAction(window, QStringLiteral("aumentarZoom"), QStringLiteral("Aumentar zoom"),
              {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
              &ZoomControl::zoomIn);
    addAction(window, QStringLiteral("diminuirZoom"), QStringLiteral("Diminuir zoom"),
              {QKeySequence(QKeySequence::ZoomOut)}, &ZoomControl::zoomOut);
    addAction(window, QStringLiteral("tamanhoNormal"), QStringLiteral("Tamanho normal"),
              {QKeySequence(Qt::CTRL | Qt::Key_0)}, &ZoomControl::reset);
    // The wheel goes to the widgets the page engine puts into the view.
    filterWidgetTree(area, this);
}

QAction* ZoomControl::addAction(QWidget* window, const QString& name, const QString& text,
                                const QList<QKeySequence>& keys, void (ZoomControl::*handler)()) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    window->addAction(action);
    actions_ << action;
    return action;
}

double ZoomControl::nearestStep(double factor) {
    return std::isfinite(factor) ? kSteps[stepIndex(factor)] : kNormal;
}

void ZoomControl::setFactor(double factor) {
    const double step = nearestStep(factor);
    if (step != factor_) {
        factor_ = step;
        Q_EMIT factorChanged(factor_);
    }
}

void ZoomControl::zoomIn() {
    setFactor(kSteps[std::min(stepIndex(factor_) + 1, kSteps.size() - 1)]);
}

void ZoomControl::zoomOut() {
    const size_t index = stepIndex(factor_);
    setFactor(kSteps[index == 0 ? 0 : index - 1]);
}

bool ZoomControl::eventFilter(QObject* watched, QEvent* event) {
    followAddedWidget(event, this);
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta > 0) {
                zoomIn();
            } else if (delta < 0) {
                zoomOut();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanel
