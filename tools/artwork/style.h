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

// The two sets of pictures: the design's own colours, and darker greens
// under which every word reaches 4.5 : 1 for whoever needs more contrast.
enum class Scheme { Design, HighContrast };

// Which set ink:: gives while it lives; the tool draws one set, then the other.
class SchemeInUse {
public:
    explicit SchemeInUse(Scheme scheme);
    ~SchemeInUse();
    SchemeInUse(const SchemeInUse&) = delete;
    SchemeInUse& operator=(const SchemeInUse&) = delete;

private:
    Scheme previous_;
};

namespace ink {
const QColor& green();  // the windows' own colour
const QColor& deep();   // strokes and text
const QColor& tint();   // light fills
const QColor& soft();   // quiet rules and outlines
const QColor& white();
const QColor& helpGrey();  // fill of the main window's help button
const QColor& halo();      // the ring around a section's emblem
}  // namespace ink

// Liberation Sans stands in for "Arial" through fontconfig.
QFont sans(qreal pixelSize, bool bold = false);

// Every word of every picture is drawn through these, so that the words and
// their colours can be checked (see words.h).
void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, qreal pixelSize,
              bool bold, const QColor& colour);
void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& colour);
void drawText(QPainter& p, QPointF baseline, const QString& text, const QFont& font,
              const QColor& colour);

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
