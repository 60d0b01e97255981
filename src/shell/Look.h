#pragma once

#include <QColor>

class QFont;
class QLabel;
class QRect;
class QString;
class QWidget;

// The look every window shares: a green frame around white panels.
namespace corvanel::Look {

// The window colour, Windows colour value 2213499.
inline constexpr QColor windowGreen() { return QColor(123, 198, 33); }
inline constexpr QColor panelWhite() { return QColor(255, 255, 255); }

// Fills widget's background with colour (child widgets keep their own).
void fillBackground(QWidget* widget, const QColor& colour);

// The windows' sans-serif font ("MS Sans Serif", or what fontconfig offers
// for it) at a height in pixels.
QFont sansSerif(int pixelSize);

// A fixed label of the windows' font, placed at geometry inside parent.
QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize);

}  // namespace corvanel::Look
