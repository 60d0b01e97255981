#include "PassageLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace corvanel {

namespace {

constexpr QStringView kEllipsis = u" …";

QList<QTextLayout::FormatRange> markFormats(const Passage& passage, qsizetype offset,
                                            qsizetype length) {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QList<QTextLayout::FormatRange> formats;
    for (const Passage::Mark& mark : passage.marks) {
        const qsizetype start = mark.start + offset;
        const qsizetype end = std::min(start + mark.length, length);
        if (end > start) {
            formats.append({static_cast<int>(start), static_cast<int>(end - start), bold});
        }
    }
    return formats;
}

// Where a text cut before at may end: after the last word that ends before
// it, or at it inside a single word.
qsizetype cutBetweenWords(const QString& text, qsizetype at) {
    for (qsizetype end = at; end > 0; --end) {
        if (text.at(end - 1).isSpace()) {
            return std::max<qsizetype>(end - 1, 1);
        }
    }
    return std::max<qsizetype>(at, 1);
}

}  // namespace

PassageLayout::PassageLayout(const Passage& passage, const QFont& font, int width,
                             Qt::LayoutDirection direction)
    : font_(font),
      width_(width),
      direction_(direction),
      lineSpacing_(QFontMetrics(font).lineSpacing()) {
    if (passage.place == Passage::Place::Nowhere) {
        return;
    }
    QString text = passage.shown();
    if (passage.place != Passage::Place::Text) {
        QTextCharFormat italic;
        italic.setFontItalic(true);
        layOut(text, {{0, static_cast<int>(text.size()), italic}});
        return;
    }
    const qsizetype offset = passage.cutBefore ? text.indexOf(passage.text) : 0;
    if (layOut(text, markFormats(passage, offset, text.size())) <= kMostLines) {
        return;
    }
    // Longer than its room: cut between words where the last line ends,
    // then a word sooner until "…" fits too.
    const QTextLine last = layout_.lineAt(kMostLines - 1);
    qsizetype end = last.textStart() + last.textLength();
    while (end > 1) {
        end = cutBetweenWords(text, end);
        QString shorter = text.left(end);
        while (!shorter.isEmpty() && shorter.back().isSpace()) {
            shorter.chop(1);
        }
        shorter += kEllipsis;
        if (layOut(shorter, markFormats(passage, offset, end)) <= kMostLines) {
            return;
        }
        --end;
    }
}

int PassageLayout::layOut(const QString& text, const QList<QTextLayout::FormatRange>& formats) {
    layout_.clearLayout();
    layout_.setText(text);
    layout_.setFont(font_);
    layout_.setFormats(formats);
    QTextOption option(direction_ == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    option.setTextDirection(direction_);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_.setTextOption(option);
    int count = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width_);
        line.setPosition(QPointF(0, count * lineSpacing_));
        ++count;
    }
    layout_.endLayout();
    lines_ = std::min(count, kMostLines);
    return count;
}

void PassageLayout::draw(QPainter& painter, const QPointF& topLeft) const {
    if (lines_ == 0) {
        return;
    }
    painter.save();
    painter.setClipRect(QRectF(topLeft, QSizeF(width_, height())), Qt::IntersectClip);
    layout_.draw(&painter, topLeft);
    painter.restore();
}

}  // namespace corvanel
