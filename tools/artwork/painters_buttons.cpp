// Pictures of the picture buttons: opaque, drawn for the button's fill colour.
#include <QPainterPath>
#include <stdexcept>

#include "painters.h"
#include "parts.h"
#include "style.h"
#include "symbols.h"

namespace artwork::paint {

namespace {

symbol::Symbol symbolNamed(const QString& name) {
    struct Named {
        const char* name;
        symbol::Symbol symbol;
    };
    static const Named symbols[] = {
        {"search", symbol::magnifier},  {"question", symbol::question},
        {"narrow", symbol::funnel},     {"back", symbol::backArrow},
        {"help", symbol::question},     {"save", symbol::diskette},
        {"print", symbol::printer},     {"book", symbol::book},
        {"folder", symbol::openFolder}, {"refresh", symbol::refresh},
    };
    for (const Named& n : symbols) {
        if (name == QLatin1String(n.name)) {
            return n.symbol;
        }
    }
    throw std::invalid_argument("unknown symbol \"" + name.toStdString() + "\"");
}

QPainterPath tabShape(const QSizeF& size) {
    const qreal radius = 6;
    QPainterPath path;
    path.moveTo(0.5, size.height());
    path.lineTo(0.5, radius);
    path.quadTo(0.5, 0.5, radius, 0.5);
    path.lineTo(size.width() - radius, 0.5);
    path.quadTo(size.width() - 0.5, 0.5, size.width() - 0.5, radius);
    path.lineTo(size.width() - 0.5, size.height());
    return path;
}

}  // namespace

// A section tab: white with the name, tinted under the pointer, green when it
// marks the current section (then it joins the green bar beneath it).
void tab(QPainter& p, const QSize& size, const QStringList& args) {
    const State state = stateWord(args, 0);
    const Section& section = sectionNamed(word(args, 1));
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    const QPainterPath shape = tabShape(r.size());
    QColor fill = ink::white();
    QColor edge = ink::soft();
    QColor text = ink::deep();
    if (state == State::Hover) {
        fill = ink::tint();
        edge = ink::green();
    } else if (state == State::Selected) {
        fill = ink::green();
        edge = ink::green();
        text = ink::white();
    }
    p.fillPath(shape, fill);
    p.setPen(QPen(edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    drawText(p, r.adjusted(0, 2, 0, 0), Qt::AlignCenter, section.label, 12.5, true, text);
}

// A header command: a symbol in a disc and its words.
void command(QPainter& p, const QSize& size, const QStringList& args) {
    const State state = stateWord(args, 0);
    const symbol::Symbol s = symbolNamed(word(args, 1));
    const QString label = args.mid(2).join(QLatin1Char(' '));
    if (label.isEmpty()) {
        throw std::invalid_argument("a command picture needs its words");
    }
    const bool hover = state == State::Hover;
    const QRectF r = whole(size);
    p.fillRect(r, hover ? ink::green() : ink::white());
    crispFrame(p, r.toRect(), hover ? ink::deep() : ink::soft());
    symbol::emblem(p, QPointF(13.5, 13.5), 10.5, s, hover ? ink::white() : ink::green(),
                   hover ? ink::green() : ink::white(), 1.45);
    drawText(p, QRectF(27, 0, r.width() - 29, r.height()), Qt::AlignCenter, label, 12.5, true,
             hover ? ink::white() : ink::deep());
}

// The search and question buttons beside each section's search field. The
// button shows 21 of the picture's columns and rows; the disc is centred on
// the button, not on the picture.
void sectionIcon(QPainter& p, const QSize& size, const QStringList& args) {
    const State state = stateWord(args, 0);
    const QString kind = word(args, 1);
    const symbol::Symbol s = symbolNamed(kind);
    p.fillRect(whole(size), ink::white());
    const QPointF centre(kind == QLatin1String("question") ? 10 : 9, 9);
    const QRectF box(centre.x() - 6.5, centre.y() - 6.5, 13, 13);
    if (state == State::Hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink::green());
        p.drawEllipse(centre, 8.5, 8.5);
        s(p, box, ink::white(), ink::green());
    } else {
        p.setPen(QPen(ink::green(), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 8, 8);
        s(p, box, ink::deep(), ink::white());
    }
}

// "Ajuda" with a question mark, on the light grey of the bottom band.
void helpButton(QPainter& p, const QSize& size, const QStringList& args) {
    const bool hover = stateWord(args, 0) == State::Hover;
    const QRectF r = whole(size);
    p.fillRect(r, ink::helpGrey());
    QPainterPath pill;
    pill.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.fillPath(pill, hover ? ink::green() : ink::white());
    p.setPen(QPen(hover ? ink::deep() : QColor(160, 160, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pill);
    symbol::emblem(p, QPointF(10.5, 9.5), 7, symbol::question, hover ? ink::white() : ink::green(),
                   hover ? ink::green() : ink::white(), 1.3);
    drawText(p, QRectF(19, 0, r.width() - 21, r.height()), Qt::AlignCenter, QStringLiteral("Ajuda"),
             12, true, hover ? ink::white() : ink::deep());
}

// The small round buttons of the result list and the viewer: a white symbol
// on a green disc, and under the pointer the same symbol in green on white.
void badge(QPainter& p, const QSize& size, const QStringList& args) {
    const bool hover = stateWord(args, 0) == State::Hover;
    const symbol::Symbol s = symbolNamed(word(args, 1));
    const QRectF r = whole(size);
    p.fillRect(r, ink::white());
    const QPointF centre(r.width() / 2, r.height() / 2);
    const QRectF box(centre.x() - 7, centre.y() - 7, 14, 14);
    if (hover) {
        p.setPen(QPen(ink::soft(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 9.8, 9.8);
        s(p, box, ink::green(), ink::white());
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(ink::green());
        p.drawEllipse(centre, 10.5, 10.5);
        s(p, box, ink::white(), ink::green());
    }
}

}  // namespace artwork::paint
