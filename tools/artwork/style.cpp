#include "style.h"

#include <QPen>

#include "words.h"

namespace artwork {

namespace {

struct Inks {
    QColor green, deep, tint, soft, white, helpGrey, halo;
};

// The design's greens; white on its green is only 2.1 : 1, so the other set
// takes the high-contrast look's window green and a darker text green.
const Inks designInks{{123, 198, 33},  {46, 125, 50},   {234, 245, 220}, {190, 225, 140},
                      {255, 255, 255}, {210, 210, 210}, {150, 212, 80}};
const Inks contrastInks{{0, 100, 0},     {0, 80, 0},      {234, 245, 220}, {100, 150, 70},
                        {255, 255, 255}, {210, 210, 210}, {120, 200, 90}};

Scheme schemeInUse = Scheme::Design;

const Inks& inks() {
    return schemeInUse == Scheme::HighContrast ? contrastInks : designInks;
}

}  // namespace

SchemeInUse::SchemeInUse(Scheme scheme) : previous_(schemeInUse) {
    schemeInUse = scheme;
}

SchemeInUse::~SchemeInUse() {
    schemeInUse = previous_;
}

namespace ink {
const QColor& green() {
    return inks().green;
}
const QColor& deep() {
    return inks().deep;
}
const QColor& tint() {
    return inks().tint;
}
const QColor& soft() {
    return inks().soft;
}
const QColor& white() {
    return inks().white;
}
const QColor& helpGrey() {
    return inks().helpGrey;
}
const QColor& halo() {
    return inks().halo;
}
}  // namespace ink

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
    drawText(p, box, flags, text, sans(pixelSize, bold), colour);
}

void drawText(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& colour) {
    if (!noteWords(p, {text, colour, font, box, flags, std::nullopt, {}})) {
        return;
    }
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

void drawText(QPainter& p, QPointF baseline, const QString& text, const QFont& font,
              const QColor& colour) {
    if (!noteWords(p, {text, colour, font, {}, 0, baseline, {}})) {
        return;
    }
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(baseline, text);
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
