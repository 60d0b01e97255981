#pragma once

#include <QString>
#include <Qt>

class QFont;
class QPainter;
class QRect;

namespace corvanel::WrappedText {

// The height of text broken into lines no wider than width: one line
// spacing (leading included) per line. Words break at blanks, and a word
// longer than a line breaks where it must, as in an edit box; CR and LF
// break lines too.
int height(const QString& text, const QFont& font, int width);

// Draws text broken as height() breaks it, from the top of rect, in the
// painter's font and pen.
void draw(QPainter& painter, const QRect& rect, const QString& text, Qt::LayoutDirection direction);

}  // namespace corvanel::WrappedText
