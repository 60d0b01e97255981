// The result-list window's header and the document viewer's banner.
#include <QFontMetricsF>
#include <stdexcept>

#include "painters.h"
#include "parts.h"
#include "style.h"
#include "symbols.h"

namespace artwork::paint {

namespace {

// The result list starts at row 64 of the header; the rule sits just above it.
constexpr qreal kHeaderRule = 62;

// A word under a header button. The listing layout covers the header down to
// the caption's ninth row and leaves the rest in view, so the word stays
// within rows 2 to 8: capitals, which have no descenders.
void capitals(QPainter& p, qreal centreX, const QString& text) {
    const QFont f = sans(8, false);
    const qreal width = QFontMetricsF(f).horizontalAdvance(text);
    drawText(p, QPointF(qRound(centreX - width / 2), 8), text, f, ink::deep());
}

}  // namespace

void resultsHeader(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    p.fillRect(QRectF(0, kHeaderRule, r.width(), 2), ink::green());
}

// Same ground as the header; its width follows the window, so it has no
// feature that would show stretching.
void resultsHeaderRight(QPainter& p, const QSize& size, const QStringList& args) {
    resultsHeader(p, size, args);
}

void resultsEmblem(QPainter& p, const QSize& size, const QStringList&) {
    p.fillRect(whole(size), ink::white());
    symbol::emblem(p, QPointF(21, 24), 19, symbol::magnifier, ink::green(), ink::white(), 1.1);
    drawText(p, QRectF(46, 7, 83, 19), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Resultados"), 15, true, ink::deep());
    drawText(p, QRectF(46, 25, 83, 15), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("da pesquisa"), 12, false, ink::deep());
}

void resultsCaption(QPainter& p, const QSize& size, const QStringList& args) {
    const QString which = word(args, 0);
    const QRectF r = whole(size);
    // Each caption lies on the header at a fixed place: the header picture is
    // 630 x 73 at (5, 0) and its right part 200 x 73 at (432, 0).
    if (which == QLatin1String("scope")) {
        paintBackground(p, resultsHeader, QSize(630, 73), QPoint(3, 40));
        drawText(p, r.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("Pesquisando em:"), 11.5, true, ink::deep());
    } else if (which == QLatin1String("count")) {
        paintBackground(p, resultsHeaderRight, QSize(200, 73), QPoint(40, 40));
        drawText(p, r.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("Documentos:"), 11.5, true, ink::deep());
    } else if (which == QLatin1String("buttons")) {
        // Under the back button (centre x 16.5) and the help button (57.5).
        paintBackground(p, resultsHeaderRight, QSize(200, 73), QPoint(116, 32));
        capitals(p, 16.5, QStringLiteral("VOLTAR"));
        capitals(p, 57.5, QStringLiteral("AJUDA"));
    } else {
        throw std::invalid_argument("unknown results caption \"" + which.toStdString() + "\"");
    }
}

void resultsListingCover(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    // The window's own green strip covers the top rows in this layout.
    p.fillRect(QRectF(0, 0, r.width(), 17), ink::green());
    symbol::document(p, QRectF(6, 20, 18, 18), ink::green(), ink::white());
    drawText(p, QRectF(30, 17, r.width() - 30, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Dê um duplo clique em um título para abrir o documento."), 12, true,
             ink::deep());
}

void resultsNarrowCover(QPainter& p, const QSize&, const QStringList&) {
    // Covers the narrowing button with the header as it lies at (272, 39).
    paintBackground(p, resultsHeader, QSize(630, 73), QPoint(267, 39));
}

void viewerBanner(QPainter& p, const QSize& size, const QStringList&) {
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    p.fillRect(QRectF(0, 47, r.width(), 2), ink::green());
    symbol::document(p, QRectF(9, 8, 30, 30), ink::green(), ink::white());
    // The save and print buttons stand between x 47 and 131.
    // A grey panel covers the banner from x 240.
    p.fillRect(QRectF(146, 8, 1, 32), ink::soft());
    drawText(p, QRectF(154, 7, 84, 19), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Documento"), 14, true, ink::deep());
    drawText(p, QRectF(154, 25, 84, 15), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Corvanel"), 12, false, ink::deep());
}

void viewerCaption(QPainter& p, const QSize& size, const QStringList& args) {
    const QString which = word(args, 0);
    QPoint origin;
    if (which == QLatin1String("salvar")) {
        origin = QPoint(40, 32);
    } else if (which == QLatin1String("imprimir")) {
        origin = QPoint(84, 32);
    } else {
        throw std::invalid_argument("unknown viewer caption \"" + which.toStdString() + "\"");
    }
    paintBackground(p, viewerBanner, QSize(641, 49), origin);
    drawText(p, QRectF(0, 0, size.width(), 14), Qt::AlignCenter, which, 11, false, ink::deep());
}

}  // namespace artwork::paint
