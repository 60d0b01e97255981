// Flat symbols on the 24-unit grid. Each takes the box to fill, the ink it
// is drawn in and the paper it lies on (used for cut-outs inside filled shapes).
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace artwork::symbol {

using Symbol = void (*)(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);

void magnifier(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void question(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void diskette(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void printer(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void folder(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void openFolder(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void document(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void backArrow(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void refresh(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void book(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void disc(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void funnel(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void house(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void scales(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void gavel(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void bulb(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void form(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void growth(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void family(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);
void sprout(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper);

// A standing figure, its feet at `feet`, `height` tall, in device pixels;
// `breadth` is its width against its height.
void figure(QPainter& p, QPointF feet, qreal height, const QColor& ink, qreal breadth = 0.5);

// A filled circle of `ground` with the symbol in `ink` inside it.
void emblem(QPainter& p, QPointF centre, qreal radius, Symbol s, const QColor& ground,
            const QColor& ink, qreal symbolScale = 1.15);

}  // namespace artwork::symbol
