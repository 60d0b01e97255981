#include "WrappedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace corvanel::WrappedText {

namespace {

bool breaksLines(QChar c) {
    return c == u'\n' || c == u'\r';
}

// The layout engine breaks lines only at its own separator.
QString withLineSeparators(const QString& text) {
    if (std::none_of(text.begin(), text.end(), breaksLines)) {
        return text;
    }
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    for (QChar& c : result) {
        if (breaksLines(c)) {
            c = QChar::LineSeparator;
        }
    }
    return result;
}

// Lays the lines out one line spacing apart; returns their count.
int layOut(QTextLayout& layout, int width, int lineSpacing, Qt::LayoutDirection direction) {
    QTextOption option(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * lineSpacing));
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1);
}

}  // namespace

int height(const QString& text, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    // Most lines fit on one: no need to lay them out.
    if (std::none_of(text.begin(), text.end(), breaksLines) &&
        metrics.horizontalAdvance(text) <= width) {
        return metrics.lineSpacing();
    }
    QTextLayout layout(withLineSeparators(text), font);
    return layOut(layout, width, metrics.lineSpacing(), Qt::LeftToRight) * metrics.lineSpacing();
}

void draw(QPainter& painter, const QRect& rect, const QString& text,
          Qt::LayoutDirection direction) {
    QTextLayout layout(withLineSeparators(text), painter.font());
    layOut(layout, rect.width(), QFontMetrics(painter.font()).lineSpacing(), direction);
    layout.draw(&painter, rect.topLeft());
}

}  // namespace corvanel::WrappedText
