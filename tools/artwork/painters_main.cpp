// The main window's header, footer, page columns and strips.
#include <QFontMetricsF>
#include <QPainterPath>

#include "painters.h"
#include "parts.h"
#include "style.h"
#include "symbols.h"

namespace artwork::paint {

namespace {

// The association's mark: its name in a green disc.
void zeftMark(QPainter& p, QPointF centre, qreal radius) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::green());
    p.drawEllipse(centre, radius, radius);
    drawText(p, QRectF(centre.x() - radius, centre.y() - radius * 0.45, 2 * radius, radius * 0.9),
             Qt::AlignCenter, QStringLiteral("ZEFT"), radius * 0.62, true, ink::white());
    p.restore();
}

}  // namespace

void mainBanner(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    p.fillRect(QRectF(0, 0, r.width(), 3), ink::green());
    p.fillRect(QRectF(0, 3, r.width(), 1), ink::soft());
    // The command buttons cover the middle band; the line below them shows.
    symbol::emblem(p, QPointF(19, 62), 8.5, symbol::family, ink::green(), ink::white(), 1.25);
    drawText(
        p, QRectF(33, 54, 500, 16), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Corvanel  ·  Coletânea de documentos sobre os direitos da criança e do "
                       "adolescente"),
        11.5, false, ink::deep());
}

void mainLogos(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    // The window lays click areas over each mark: 73 x 65 at (2, 5), 129 x 57 at (82, 5).
    zeftMark(p, QPointF(38.5, 37.5), 29);
    p.setPen(QPen(ink::soft(), 1));
    p.drawLine(QPointF(77.5, 12), QPointF(77.5, 64));
    const QRectF mark(85.5, 18.5, 38, 38);
    QPainterPath tile;
    tile.addRoundedRect(mark, 10, 10);
    p.fillPath(tile, ink::green());
    symbol::sprout(p, mark.adjusted(5, 4, -5, -6), ink::white(), ink::green());
    drawText(p, QRectF(128, 22, 83, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("quarde"),
             22, true, ink::deep());
}

void mainFooter(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    p.fillRect(QRectF(0, 6, r.width(), 1), ink::soft());
    // The help button sits at (656, 22) in the band; its invitation is left of it.
    // The band's left part below row 19 lies under the bottom-left band.
    drawText(p, QRectF(556, 22, 94, 23), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Dúvidas?"), 12, true, ink::deep());
}

void mainFooterLeft(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    symbol::emblem(p, QPointF(20, 22), 14, symbol::family, ink::green(), ink::white(), 1.25);
    drawText(p, QRectF(42, 6, 400, 17), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Corvanel"), 14, true, ink::deep());
    drawText(p, QRectF(42, 23, 500, 15), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Direitos da criança e do adolescente  ·  Edição I  ·  Março de 2004"),
             11, false, ink::deep());
}

void column(QPainter& p, const QSize& size, const QStringList& args) {
    const Section& section = sectionNamed(word(args, 0));
    const QRectF r = whole(size);
    const qreal mid = r.width() / 2;
    p.fillRect(r, ink::white());
    // Card on top; the page's labels and the listing button sit on white below.
    p.fillRect(QRectF(0, 0, r.width(), 176), ink::green());
    p.setPen(QPen(ink::halo(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(mid, 72), 50, 50);
    symbol::emblem(p, QPointF(mid, 72), 42, section.symbol, ink::white(), ink::deep(), 1.2);
    drawText(p, QRectF(0, 132, r.width(), 28), Qt::AlignCenter, section.label, 18, true,
             ink::white());
    p.fillRect(QRectF(r.width() - 1, 176, 1, r.height() - 176), ink::soft());
    p.fillRect(QRectF(0, 350, r.width(), 10), ink::green());
}

void sectionStrip(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    QPainterPath pill;
    pill.addRoundedRect(QRectF(0, 4, 44, 6), 3, 3);
    p.fillPath(pill, ink::green());
    p.fillRect(QRectF(50, 7, r.width() - 50, 1), ink::soft());
}

void presentationStrip(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    QFont f = sans(10, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    const QString title = QStringLiteral("APRESENTAÇÃO");
    drawText(p, QRectF(0, 1, r.width(), 13), Qt::AlignLeft | Qt::AlignVCenter, title, f,
             ink::deep());
    const qreal end = QFontMetricsF(f).horizontalAdvance(title) + 8;
    p.fillRect(QRectF(end, 7, r.width() - end, 1), ink::soft());
    // The label "O Lumbra" stands on this rule.
    p.fillRect(QRectF(0, 31, 120, 2), ink::green());
    p.fillRect(QRectF(120, 32, r.width() - 120, 1), ink::soft());
}

}  // namespace artwork::paint
