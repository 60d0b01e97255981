#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace corvanel::WindowPlacement {

namespace {

const QScreen* screenOf(const QWidget* window) {
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

// What keepInsideScreen leaves on a window it shrank.
constexpr char kWantedSize[] = "corvanelWantedSize";
constexpr char kFittedSize[] = "corvanelFittedSize";

// The nearest start in [low, high - length], or low when length does not fit.
int fittedStart(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

void centreOnScreen(QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
    keepInsideScreen(window);
}

void showOrRaise(QWidget* window) {
    window->show();
    keepInsideScreen(window);
    window->raise();
    window->activateWindow();
}

QRect fittedFrame(const QRect& frame, const QRect& available, const QSize& minimum) {
    const QSize size = frame.size().boundedTo(available.size()).expandedTo(minimum);
    const int left = fittedStart(frame.left(), size.width(), available.left(),
                                 available.left() + available.width());
    const int top = fittedStart(frame.top(), size.height(), available.top(),
                                available.top() + available.height());
    return {QPoint(left, top), size};
}

void keepInsideScreen(QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect frame = window->frameGeometry();
    const QSize border = frame.size() - window->size();
    const QRect fitted =
        fittedFrame(frame, screen->availableGeometry(), window->minimumSize() + border);
    if (fitted.size() != frame.size()) {
        const QSize wanted = chosenSize(window);
        window->resize(fitted.size() - border);
        window->setProperty(kWantedSize, wanted);
        window->setProperty(kFittedSize, window->size());
    }
    if (fitted.topLeft() != frame.topLeft()) {
        window->move(fitted.topLeft());
    }
}

QSize chosenSize(const QWidget* window) {
    const QVariant fitted = window->property(kFittedSize);
    return fitted.isValid() && fitted.toSize() == window->size()
               ? window->property(kWantedSize).toSize()
               : window->size();
}

}  // namespace corvanel::WindowPlacement
