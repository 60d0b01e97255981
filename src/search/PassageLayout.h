#pragma once

#include "Passage.h"

#include <QTextLayout>

class QFont;
class QPainter;
class QPointF;

namespace corvanel {

// A row's words in context as the result list draws them under the row: at
// most two lines of the list's width, the matched words bold, the text cut
// between words with "…" when it would run longer; a match outside the text
// is a short note in italics.
class PassageLayout {
public:
    static constexpr int kMostLines = 2;

    PassageLayout(const Passage& passage, const QFont& font, int width,
                  Qt::LayoutDirection direction = Qt::LeftToRight);

    // None for a passage that shows nothing.
    int lineCount() const { return lines_; }
    int height() const { return lines_ * lineSpacing_; }
    void draw(QPainter& painter, const QPointF& topLeft) const;

private:
    int layOut(const QString& text, const QList<QTextLayout::FormatRange>& formats);

    QTextLayout layout_;
    QFont font_;
    int width_;
    Qt::LayoutDirection direction_;
    int lineSpacing_;
    int lines_ = 0;
};

}  // namespace corvanel
