#pragma once

#include <QColor>

class QFont;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QSize;
class QString;
class QWidget;

// The look every window shares: a green frame around white panels.
namespace corvanel::Look {

// The design's colours, or darker ones under which every text reaches
// 4.5 : 1 for whoever needs more contrast, or a dark theme: dark panels,
// light texts, a deep green frame.
enum class Scheme { Design, HighContrast, Dark };
Scheme scheme();
// Windows built from now on take the scheme's colours; those already built
// are recoloured. The dark theme also darkens the application's palette,
// and each window as it is shown.
void applyScheme(Scheme scheme);

// The window colour, Windows colour value 2213499; a deep green in high
// contrast.
QColor windowGreen();
// The result list's selection, with the focus and without it; white text.
QColor listSelection(bool focused);
inline constexpr QColor panelWhite() {
    return QColor(255, 255, 255);
}
// Headings and strokes on white.
inline constexpr QColor deepGreen() {
    return QColor(46, 125, 50);
}

// Fills widget's background with colour (child widgets keep their own).
void fillBackground(QWidget* widget, const QColor& colour);

// The windows' sans-serif font ("MS Sans Serif", or what fontconfig offers
// for it) at a height in pixels.
QFont sansSerif(int pixelSize);

// Gives a label's text the heading colour.
void setHeadingColour(QLabel* label);

// A fixed label of the windows' font, placed at geometry inside parent.
QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize);

// A white panel at geometry inside parent; raised draws a one-pixel bevel.
QFrame* addPanel(QWidget* parent, const QRect& geometry, bool raised = false);

// A picture of the artwork (":/artwork/<file>", or its high-contrast twin
// while that look is on) at geometry inside parent.
QLabel* addPicture(QWidget* parent, const QString& file, const QRect& geometry);

// A read-only memo without border that takes no focus. Lines wrap at its
// width unless wrap is false.
QPlainTextEdit* addMemo(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize,
                        bool wrap = true);

// Narrows, then shrinks down to 9 pixels, the font of a memo that does not
// wrap until its longest line fits its width; the font substituted for the
// windows' own may be wider than the layout allows for.
void fitLinesToWidth(QPlainTextEdit* memo);

// A push button of the windows' green look.
QPushButton* addButton(QWidget* parent, const QString& caption, const QRect& geometry);

// A small secondary window: thin caption bar with a close box only, a fixed
// client area, green background.
void setUpToolWindow(QWidget* window, const QString& caption, const QSize& clientSize);

}  // namespace corvanel::Look
