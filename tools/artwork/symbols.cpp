#include "symbols.h"

#include <QPainterPath>
#include <QtMath>

#include "style.h"

namespace artwork::symbol {

namespace {

QPainterPath polygon(const Grid& g, std::initializer_list<QPointF> units) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& u : units) {
        if (first) {
            path.moveTo(g.at(u.x(), u.y()));
            first = false;
        } else {
            path.lineTo(g.at(u.x(), u.y()));
        }
    }
    path.closeSubpath();
    return path;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.fillPath(path, colour);
}

void line(QPainter& p, const Grid& g, QPointF a, QPointF b, qreal width, const QColor& colour) {
    p.setPen(strokePen(g, width, colour));
    p.drawLine(g.at(a.x(), a.y()), g.at(b.x(), b.y()));
}

void disk(QPainter& p, const Grid& g, QPointF c, qreal r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(g.at(c.x(), c.y()), g.len(r), g.len(r));
}

void ring(QPainter& p, const Grid& g, QPointF c, qreal r, qreal width, const QColor& colour) {
    p.setPen(strokePen(g, width, colour));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g.at(c.x(), c.y()), g.len(r), g.len(r));
}

// A filled rectangle with rounded corners, in grid units.
void block(QPainter& p, const Grid& g, QRectF units, qreal radius, const QColor& colour) {
    QPainterPath path;
    path.addRoundedRect(g.rect(units.x(), units.y(), units.width(), units.height()), g.len(radius),
                        g.len(radius));
    fill(p, path, colour);
}

}  // namespace

void magnifier(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    ring(p, g, {10, 10}, 6.3, 2.5, ink);
    line(p, g, {14.8, 14.8}, {20.5, 20.5}, 3.6, ink);
    p.restore();
}

void question(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    // Drawn as strokes rather than a glyph so it sits centred at every size.
    QPainterPath hook;
    hook.moveTo(g.at(7.6, 8.4));
    hook.cubicTo(g.at(7.6, 2.6), g.at(16.6, 2.6), g.at(16.6, 8.2));
    hook.cubicTo(g.at(16.6, 11.4), g.at(12.2, 11.6), g.at(12.2, 14.6));
    p.setPen(strokePen(g, 3.0, ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    disk(p, g, {12.2, 19.6}, 1.9, ink);
    p.restore();
}

void diskette(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    fill(p, polygon(g, {{3, 3}, {17.5, 3}, {21, 6.5}, {21, 21}, {3, 21}}), ink);
    block(p, g, {7, 3, 8.5, 6}, 0.6, paper);
    block(p, g, {12.2, 4.2, 2, 3.6}, 0, ink);
    block(p, g, {6, 12.5, 12, 8.5}, 0.8, paper);
    line(p, g, {8.5, 15.5}, {15.5, 15.5}, 1.2, ink);
    line(p, g, {8.5, 18.2}, {15.5, 18.2}, 1.2, ink);
    p.restore();
}

void printer(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    block(p, g, {6, 2.5, 12, 8}, 0.5, ink);
    block(p, g, {7.8, 4.3, 8.4, 5}, 0, paper);
    block(p, g, {2.5, 8.5, 19, 9.5}, 1.8, ink);
    block(p, g, {6, 14, 12, 8}, 0.5, ink);
    block(p, g, {7.8, 15.2, 8.4, 5.2}, 0, paper);
    line(p, g, {9.5, 17.6}, {14.5, 17.6}, 1.1, ink);
    disk(p, g, {18.3, 11.4}, 1.1, paper);
    p.restore();
}

void folder(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    fill(p, polygon(g, {{2.5, 5}, {9.5, 5}, {11.5, 7.5}, {21.5, 7.5}, {21.5, 20}, {2.5, 20}}), ink);
    line(p, g, {2.5, 10}, {21.5, 10}, 1.2, paper);
    p.restore();
}

void openFolder(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    fill(p, polygon(g, {{2, 4.5}, {9, 4.5}, {11, 7}, {19.5, 7}, {19.5, 11}, {2, 11}}), ink);
    fill(p, polygon(g, {{2, 11}, {2, 20}, {3, 20}}), ink);
    const QPainterPath front = polygon(g, {{2.6, 20}, {6.2, 10.6}, {22.6, 10.6}, {19, 20}});
    p.setPen(strokePen(g, 1.3, paper));
    p.setBrush(ink);
    p.drawPath(front);
    p.restore();
}

void document(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    const QPainterPath page = polygon(g, {{5, 2.5}, {14.5, 2.5}, {19, 7}, {19, 21.5}, {5, 21.5}});
    p.setPen(strokePen(g, 1.9, ink));
    p.setBrush(paper);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(g.at(14.5, 2.5));
    fold.lineTo(g.at(14.5, 7));
    fold.lineTo(g.at(19, 7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fold);
    for (qreal y : {11.0, 14.5, 18.0}) {
        line(p, g, {8.5, y}, {15.5, y}, 1.5, ink);
    }
    p.restore();
}

void backArrow(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    line(p, g, {19.5, 12}, {5.5, 12}, 3.2, ink);
    QPainterPath head;
    head.moveTo(g.at(11.5, 5.2));
    head.lineTo(g.at(4.7, 12));
    head.lineTo(g.at(11.5, 18.8));
    p.setPen(strokePen(g, 3.2, ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    p.restore();
}

void refresh(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    const QRectF circle = g.rect(4.5, 4.5, 15, 15);
    // Two arcs, each ending in an arrow head, turning clockwise.
    for (qreal start : {200.0, 20.0}) {
        QPainterPath arc;
        arc.arcMoveTo(circle, start);
        arc.arcTo(circle, start, -125.0);
        p.setPen(strokePen(g, 3.0, ink));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        const qreal end = qDegreesToRadians(start - 125.0);
        const QPointF tip(12 + 7.5 * qCos(end), 12 - 7.5 * qSin(end));
        // Tangent of a clockwise turn on screen, then its normal.
        const QPointF dir(qSin(end), qCos(end));
        const QPointF normal(-dir.y(), dir.x());
        const QPointF a = tip + dir * 4.2;
        const QPointF b = tip + normal * 3.8 - dir * 0.6;
        const QPointF c = tip - normal * 3.8 - dir * 0.6;
        fill(p, polygon(g, {a, b, c}), ink);
    }
    p.restore();
}

void book(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    QPainterPath left;
    left.moveTo(g.at(12, 6.5));
    left.cubicTo(g.at(9, 4.5), g.at(5, 4.2), g.at(2, 5));
    left.lineTo(g.at(2, 19));
    left.cubicTo(g.at(5, 18.2), g.at(9, 18.5), g.at(12, 20.5));
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(g.at(12, 6.5));
    right.cubicTo(g.at(15, 4.5), g.at(19, 4.2), g.at(22, 5));
    right.lineTo(g.at(22, 19));
    right.cubicTo(g.at(19, 18.2), g.at(15, 18.5), g.at(12, 20.5));
    right.closeSubpath();
    fill(p, left, ink);
    fill(p, right, ink);
    line(p, g, {12, 7}, {12, 20.2}, 1.3, paper);
    p.restore();
}

void disc(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    disk(p, g, {12, 12}, 10, ink);
    disk(p, g, {12, 12}, 3.8, paper);
    disk(p, g, {12, 12}, 1.6, ink);
    QPainterPath shine;
    const QRectF r = g.rect(5, 5, 14, 14);
    shine.arcMoveTo(r, 100);
    shine.arcTo(r, 100, 55);
    p.setPen(strokePen(g, 1.3, paper));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shine);
    p.restore();
}

void funnel(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    const QPainterPath shape =
        polygon(g, {{3.5, 4.5}, {20.5, 4.5}, {14, 12.5}, {14, 19}, {10, 21}, {10, 12.5}});
    p.setPen(strokePen(g, 1.0, ink));
    p.setBrush(ink);
    p.drawPath(shape);
    p.restore();
}

void house(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    QPainterPath roof;
    roof.moveTo(g.at(2.5, 11.5));
    roof.lineTo(g.at(12, 3));
    roof.lineTo(g.at(21.5, 11.5));
    p.setPen(strokePen(g, 2.6, ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roof);
    QPainterPath walls;
    walls.moveTo(g.at(5.5, 10));
    walls.lineTo(g.at(5.5, 21));
    walls.lineTo(g.at(18.5, 21));
    walls.lineTo(g.at(18.5, 10));
    p.setPen(strokePen(g, 2.3, ink));
    p.drawPath(walls);
    block(p, g, {10, 14, 4, 7}, 0.4, ink);
    p.restore();
}

void scales(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    line(p, g, {12, 4.5}, {12, 20}, 2.0, ink);
    disk(p, g, {12, 3.6}, 1.7, ink);
    line(p, g, {4, 7.5}, {20, 7.5}, 2.0, ink);
    line(p, g, {7.5, 21}, {16.5, 21}, 2.4, ink);
    for (qreal x : {4.0, 20.0}) {
        line(p, g, {x, 7.5}, {x - 2.6, 14}, 1.0, ink);
        line(p, g, {x, 7.5}, {x + 2.6, 14}, 1.0, ink);
        QPainterPath pan;
        pan.moveTo(g.at(x - 3.4, 14));
        pan.arcTo(g.rect(x - 3.4, 10.6, 6.8, 6.8), 180, 180);
        pan.closeSubpath();
        fill(p, pan, ink);
    }
    p.restore();
}

void gavel(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    line(p, g, {11.5, 11.5}, {20.5, 20.5}, 2.6, ink);
    p.translate(g.at(9.5, 8.5));
    p.rotate(-45);
    QPainterPath head;
    head.addRoundedRect(QRectF(-g.len(6), -g.len(3), g.len(12), g.len(6)), g.len(1), g.len(1));
    fill(p, head, ink);
    p.restore();
    p.save();
    block(p, g, {2.5, 19.5, 10, 2.5}, 0.8, ink);
    p.restore();
}

void bulb(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    disk(p, g, {12, 11.5}, 5.6, ink);
    fill(p, polygon(g, {{9, 14.5}, {15, 14.5}, {14.6, 18}, {9.4, 18}}), ink);
    line(p, g, {9.8, 19.7}, {14.2, 19.7}, 1.6, ink);
    line(p, g, {10.8, 21.7}, {13.2, 21.7}, 1.6, ink);
    // Rays above the glass.
    for (qreal degrees : {90.0, 35.0, 145.0, -10.0, 190.0}) {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF dir(qCos(a), -qSin(a));
        const QPointF c(12, 11.5);
        line(p, g, c + dir * 7.6, c + dir * 9.8, 1.6, ink);
    }
    p.restore();
}

void form(QPainter& p, const QRectF& box, const QColor& ink, const QColor& paper) {
    const Grid g(box);
    p.save();
    const QPainterPath page =
        polygon(g, {{3.5, 2.5}, {13, 2.5}, {17.5, 7}, {17.5, 21.5}, {3.5, 21.5}});
    p.setPen(strokePen(g, 1.9, ink));
    p.setBrush(paper);
    p.drawPath(page);
    for (qreal y : {9.5, 13.0}) {
        line(p, g, {7, y}, {14, y}, 1.5, ink);
    }
    line(p, g, {7, 16.5}, {10.5, 16.5}, 1.5, ink);
    // The pen lies across the page's lower right corner.
    line(p, g, {21.2, 9.8}, {13.2, 17.8}, 4.6, paper);
    line(p, g, {21.2, 9.8}, {13.8, 17.2}, 2.8, ink);
    fill(p, polygon(g, {{12.4, 16.4}, {14.6, 18.6}, {11.6, 19.4}}), ink);
    p.restore();
}

void figure(QPainter& p, QPointF feet, qreal height, const QColor& ink, qreal breadth) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal r = height * qMax(0.15, breadth * 0.34);
    const QPointF head(feet.x(), feet.y() - height + r);
    p.drawEllipse(head, r, r);
    // Shoulders round over a straight body: the usual pictogram of a person.
    const qreal w = height * breadth;
    const qreal top = head.y() + r + height * 0.07;
    QPainterPath body;
    body.moveTo(feet.x() - w / 2, feet.y());
    body.lineTo(feet.x() - w / 2, top + w / 2);
    body.arcTo(QRectF(feet.x() - w / 2, top, w, w), 180, -180);
    body.lineTo(feet.x() + w / 2, feet.y());
    body.closeSubpath();
    p.drawPath(body);
    p.restore();
}

void growth(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    figure(p, g.at(4.2, 22), g.len(10), ink);
    figure(p, g.at(12, 22), g.len(15), ink);
    figure(p, g.at(19.6, 22), g.len(20), ink);
}

void family(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    line(p, g, {9, 14.5}, {16, 16}, 1.8, ink);
    p.restore();
    figure(p, g.at(8, 22.5), g.len(21), ink);
    figure(p, g.at(17.5, 22.5), g.len(14), ink);
}

void sprout(QPainter& p, const QRectF& box, const QColor& ink, const QColor&) {
    const Grid g(box);
    p.save();
    QPainterPath stem;
    stem.moveTo(g.at(12, 21.5));
    stem.cubicTo(g.at(12, 16), g.at(11.5, 13), g.at(12, 9));
    p.setPen(strokePen(g, 2.2, ink));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    QPainterPath left;
    left.moveTo(g.at(11.8, 14));
    left.cubicTo(g.at(9.5, 8.5), g.at(4.5, 8), g.at(2.5, 9));
    left.cubicTo(g.at(3.5, 14), g.at(8, 15.5), g.at(11.8, 14));
    fill(p, left, ink);
    QPainterPath right;
    right.moveTo(g.at(12.1, 10));
    right.cubicTo(g.at(13, 4), g.at(18.5, 2), g.at(21.5, 3));
    right.cubicTo(g.at(21.5, 8.5), g.at(17, 11), g.at(12.1, 10));
    fill(p, right, ink);
    p.restore();
}

void emblem(QPainter& p, QPointF centre, qreal radius, Symbol s, const QColor& ground,
            const QColor& ink, qreal symbolScale) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(centre, radius, radius);
    const qreal half = radius * symbolScale / 2;
    s(p, QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half), ink, ground);
    p.restore();
}

}  // namespace artwork::symbol
