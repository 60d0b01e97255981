#include "style.h"

#include <QPen>

namespace artwork {

QFont sans(qreal pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, qreal pixelSize,
              bool bold, const QColor& colour) {
    p.save();
    p.setFont(sans(pixelSize, bold));
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

QPen strokePen(const Grid& g, qreal units, const QColor& colour) {
    QPen pen(colour, g.len(units));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void crispFrame(QPainter& p, const QRect& r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

}  // namespace artwork
