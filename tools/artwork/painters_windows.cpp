// Splash, busy and content-location windows; information and about windows.
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <stdexcept>

#include "Version.h"
#include "painters.h"
#include "parts.h"
#include "style.h"
#include "symbols.h"

namespace artwork::paint {

namespace {

QPainterPath roundedCard(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Three figures holding hands: the collection's own sign. Each point gives a
// figure's x and its height; all stand on `ground`.
void children(QPainter& p, qreal ground, const std::array<QPointF, 3>& feetAndHeight,
              const QColor& ink) {
    p.save();
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i + 1 < 3; ++i) {
        const QPointF a = feetAndHeight[i];
        const QPointF b = feetAndHeight[i + 1];
        const qreal handA = ground - a.y() * 0.40;
        const qreal handB = ground - b.y() * 0.40;
        p.drawLine(QPointF(a.x() + a.y() * 0.17, handA), QPointF(b.x() - b.y() * 0.17, handB));
    }
    p.restore();
    for (const QPointF& f : feetAndHeight) {
        symbol::figure(p, QPointF(f.x(), ground), f.y(), ink, 0.38);
    }
}

}  // namespace

void splashPortrait(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    const QPainterPath card = roundedCard(r.adjusted(0.5, 0.5, -0.5, -0.5), 9);
    p.fillPath(card, ink::green());
    p.save();
    p.setClipPath(card);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::tint());
    p.drawEllipse(QPointF(95, 30), 14, 14);
    QPainterPath hill;
    hill.moveTo(0, 140);
    hill.cubicTo(30, 124, 80, 124, 121, 134);
    hill.lineTo(121, 161);
    hill.lineTo(0, 161);
    hill.closeSubpath();
    p.fillPath(hill, ink::tint());
    p.restore();
    children(p, 136, {QPointF(28, 84), QPointF(66, 64), QPointF(98, 46)}, ink::white());
}

void splashBanner(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    symbol::emblem(p, QPointF(31, 33), 25, symbol::family, ink::green(), ink::white());
    drawText(p, QRectF(64, 6, 170, 30), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Corvanel"),
             27, true, ink::deep());
    drawText(p, QRectF(65, 37, 170, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Direitos da criança"), 11.5, false, ink::deep());
    drawText(p, QRectF(65, 50, 170, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("e do adolescente"), 11.5, false, ink::deep());
}

void busy(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    p.fillPath(roundedCard(QRectF(6.5, 6.5, 116, 92), 9), ink::green());
    // Two pages, the front one being searched.
    const auto page = [&](const QRectF& rect, const QColor& lines) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink::white());
        p.drawRect(rect);
        p.setPen(QPen(lines, 2, Qt::SolidLine, Qt::FlatCap));
        for (qreal y = rect.top() + 9; y < rect.bottom() - 6; y += 7) {
            const qreal right = (qRound(y) % 3 == 0) ? rect.right() - 14 : rect.right() - 7;
            p.drawLine(QPointF(rect.left() + 7, y), QPointF(right, y));
        }
    };
    page(QRectF(28, 17, 42, 56), ink::soft());
    page(QRectF(42, 27, 42, 56), ink::green());
    p.setPen(QPen(ink::deep(), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(234, 245, 220, 200));
    p.drawEllipse(QPointF(80, 60), 14, 14);
    p.setPen(QPen(ink::deep(), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90.5, 70.5), QPointF(102, 82));
}

void findFolder(QPainter& p, const QSize& size, const QStringList& args) {
    bool ok = false;
    const int frame = word(args, 0).toInt(&ok);
    if (!ok || frame < 1 || frame > 29) {
        throw std::invalid_argument("find-folder frame must be 1 to 29");
    }
    const qreal turn = 2 * M_PI * (frame - 1) / 29.0;
    p.fillRect(whole(size), ink::white());

    // The page being searched, on the right.
    const QRectF page(43.5, 6.5, 27, 37);
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - 7, page.top());
    sheet.lineTo(page.right(), page.top() + 7);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(ink::soft(), 1));
    p.setBrush(ink::white());
    p.drawPath(sheet);
    p.drawLine(QPointF(page.right() - 7, page.top()), QPointF(page.right() - 7, page.top() + 7));
    p.drawLine(QPointF(page.right() - 7, page.top() + 7), QPointF(page.right(), page.top() + 7));

    const QPointF lens(56 + 7 * qSin(turn), 25 + 7 * qSin(2 * turn));
    for (qreal y = 17; y <= 38; y += 5) {
        const bool found = qAbs(y - lens.y()) < 2.5;
        p.setPen(QPen(found ? ink::green() : ink::soft(), found ? 2.4 : 1.6, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
    }

    // A found sheet flies from the page into the folder, once per loop.
    const qreal u = (frame - 1) / 29.0;
    const QPointF from(46, 16);
    const QPointF to(17, 24);
    const QPointF at = from + (to - from) * u - QPointF(0, 14 * qSin(M_PI * u));
    p.save();
    p.translate(at);
    p.rotate(-25 * u);
    p.setPen(QPen(ink::green(), 1));
    p.setBrush(ink::white());
    p.drawRect(QRectF(-4, -5, 8, 10));
    p.drawLine(QPointF(-2, -2), QPointF(2, -2));
    p.drawLine(QPointF(-2, 1), QPointF(2, 1));
    p.restore();

    symbol::openFolder(p, QRectF(1, 7, 34, 34), ink::green(), ink::white());

    p.setPen(QPen(ink::deep(), 2));
    p.setBrush(QColor(234, 245, 220, 150));
    p.drawEllipse(lens, 6.5, 6.5);
    p.setPen(QPen(ink::deep(), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(5, 5), lens + QPointF(9.5, 9.5));
}

void contentLocation(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    const QPointF c(62, 58);
    p.setPen(QPen(ink::deep(), 1.5));
    p.setBrush(ink::tint());
    p.drawEllipse(c, 50, 50);
    p.setPen(QPen(ink::soft(), 1));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {42.0, 34.0, 27.0}) {
        p.drawEllipse(c, r, r);
    }
    p.setPen(QPen(ink::white(), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 38, c.y() - 38, 76, 76), 100 * 16, 50 * 16);
    p.drawArc(QRectF(c.x() - 38, c.y() - 38, 76, 76), 280 * 16, 35 * 16);
    p.setPen(QPen(ink::deep(), 1.5));
    p.setBrush(ink::white());
    p.drawEllipse(c, 17, 17);
    p.setBrush(ink::soft());
    p.drawEllipse(c, 11, 11);
    p.setBrush(ink::white());
    p.drawEllipse(c, 5.5, 5.5);
    // The question badge over the lower right of the disc.
    p.setPen(QPen(ink::white(), 4));
    p.setBrush(ink::green());
    p.drawEllipse(QPointF(108, 92), 24, 24);
    symbol::question(p, QRectF(93, 77, 30, 30), ink::white(), ink::green());
}

void zeft(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    const QPointF c(size.width() / 2.0, 58);
    p.setPen(QPen(ink::soft(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 52, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::green());
    p.drawEllipse(c, 46, 46);
    drawText(p, QRectF(c.x() - 46, c.y() - 20, 92, 40), Qt::AlignCenter, QStringLiteral("ZEFT"), 31,
             true, ink::white());
    p.setPen(QPen(ink::white(), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 24, c.y() + 22), QPointF(c.x() + 24, c.y() + 22));
    drawText(p, QRectF(0, 116, size.width(), 18), Qt::AlignCenter,
             QStringLiteral("Associação editora"), 14, true, ink::deep());
    drawText(p, QRectF(0, 134, size.width(), 16), Qt::AlignCenter,
             QStringLiteral("Direitos da criança e do adolescente"), 10.5, false, ink::deep());
}

void quarde(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    const QRectF mark(size.width() / 2.0 - 38, 8, 76, 76);
    p.fillPath(roundedCard(mark, 20), ink::green());
    symbol::sprout(p, mark.adjusted(12, 10, -12, -14), ink::white(), ink::green());
    drawText(p, QRectF(0, 86, size.width(), 34), Qt::AlignCenter, QStringLiteral("quarde"), 30,
             true, ink::deep());
    drawText(p, QRectF(0, 122, size.width(), 18), Qt::AlignCenter,
             QStringLiteral("Organização parceira"), 12, false, ink::deep());
}

void about(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    const QPointF c(size.width() / 2.0, 54);
    p.setPen(QPen(ink::soft(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 46, 46);
    symbol::emblem(p, c, 40, symbol::family, ink::green(), ink::white());
    drawText(p, QRectF(0, 104, size.width(), 24), Qt::AlignCenter, QStringLiteral("Corvanel"), 20,
             true, ink::deep());
    drawText(p, QRectF(0, 128, size.width(), 16), Qt::AlignCenter,
             corvanel::kVersionCaption.toString(), 12, false, ink::deep());
}

}  // namespace artwork::paint
