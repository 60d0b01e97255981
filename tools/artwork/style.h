// The look every picture shares: colours, type and a few drawing helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

namespace artwork {

namespace ink {
inline const QColor green(123, 198, 33);  // the windows' own colour
inline const QColor deep(46, 125, 50);    // strokes and text
inline const QColor tint(234, 245, 220);  // light fills
inline const QColor soft(190, 225, 140);  // quiet rules and outlines
inline const QColor white(255, 255, 255);
inline const QColor helpGrey(210, 210, 210);  // fill of the main window's help button
}  // namespace ink

// Liberation Sans stands in for "Arial" through fontconfig.
QFont sans(qreal pixelSize, bool bold = false);

void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, qreal pixelSize,
              bool bold, const QColor& colour);

// The whole picture, as a rectangle to fill.
inline QRectF whole(const QSize& size) {
    return QRectF(QPointF(0, 0), QSizeF(size));
}

// Symbols are drawn on a 24-unit grid mapped onto a square box, so one
// drawing serves a 16-pixel button and a 90-pixel emblem alike.
class Grid {
public:
    explicit Grid(const QRectF& box) : box_(box) {}
    QPointF at(qreal x, qreal y) const {
        return {box_.left() + x * box_.width() / 24.0, box_.top() + y * box_.height() / 24.0};
    }
    QRectF rect(qreal x, qreal y, qreal w, qreal h) const { return {at(x, y), at(x + w, y + h)}; }
    qreal len(qreal units) const { return units * box_.width() / 24.0; }

private:
    QRectF box_;
};

// A round-capped pen whose width is given in grid units.
QPen strokePen(const Grid& g, qreal units, const QColor& colour);

// A rectangle outline that lands exactly on the pixel grid.
void crispFrame(QPainter& p, const QRect& r, const QColor& colour);

}  // namespace artwork
