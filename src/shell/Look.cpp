#include "Look.h"

#include "ProgramFonts.h"

#include "Artwork.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>

namespace corvanel::Look {

namespace {

constexpr QColor kDesignGreen{123, 198, 33};
constexpr QColor kContrastGreen{0, 100, 0};
constexpr QColor kDesignSelection{107, 166, 231};
constexpr QColor kContrastSelection{0, 60, 140};
constexpr QColor kFocusedSelection{11, 80, 196};

Scheme currentScheme = Scheme::Design;

QColor greenOf(Scheme scheme) {
    return scheme == Scheme::HighContrast ? kContrastGreen : kDesignGreen;
}

QString cssOf(const QColor& colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// Every role of every group that holds the old green takes the new one.
void recolour(QWidget* widget, const QColor& from, const QColor& to) {
    QPalette palette = widget->palette();
    bool changed = false;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::Window, QPalette::Highlight, QPalette::Button}) {
            if (palette.color(group, role) == from) {
                palette.setColor(group, role, to);
                changed = true;
            }
        }
    }
    if (changed) {
        widget->setPalette(palette);
    }
    if (widget->styleSheet().contains(cssOf(from))) {
        widget->setStyleSheet(widget->styleSheet().replace(cssOf(from), cssOf(to)));
    }
}

}  // namespace

Scheme scheme() {
    return currentScheme;
}

void applyScheme(Scheme scheme) {
    if (scheme == currentScheme) {
        return;
    }
    const QColor from = greenOf(currentScheme);
    const QColor to = greenOf(scheme);
    currentScheme = scheme;
    for (QWidget* widget : QApplication::allWidgets()) {
        recolour(widget, from, to);
        widget->update();
    }
    Artwork::use(scheme == Scheme::HighContrast ? Artwork::Set::HighContrast
                                                : Artwork::Set::Design);
}

QColor windowGreen() {
    return greenOf(currentScheme);
}

QColor listSelection(bool focused) {
    if (focused) {
        return kFocusedSelection;
    }
    return currentScheme == Scheme::HighContrast ? kContrastSelection : kDesignSelection;
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont sansSerif(int pixelSize) {
    return ProgramFonts::sansSerif(pixelSize);
}

void setHeadingColour(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, deepGreen());
    label->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize) {
    auto* label = new QLabel(text, parent);
    label->setFont(sansSerif(pixelSize));
    label->setGeometry(geometry);
    return label;
}

QFrame* addPanel(QWidget* parent, const QRect& geometry, bool raised) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    fillBackground(panel, panelWhite());
    if (raised) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    }
    return panel;
}

QLabel* addPicture(QWidget* parent, const QString& file, const QRect& geometry) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(geometry);
    Artwork::show(picture, file);
    return picture;
}

QPlainTextEdit* addMemo(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize,
                        bool wrap) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(geometry);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFont(sansSerif(pixelSize));
    memo->setPlainText(text);
    return memo;
}

namespace {

bool linesFit(const QFont& font, const QStringList& lines, int width) {
    const QFontMetrics metrics(font);
    return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return metrics.horizontalAdvance(line) <= width;
    });
}

}  // namespace

void fitLinesToWidth(QPlainTextEdit* memo) {
    constexpr int kSmallestPixelSize = 9;
    const QStringList lines = memo->toPlainText().split(u'\n');
    const int width = memo->width() - 2 * static_cast<int>(memo->document()->documentMargin()) -
                      2 * memo->frameWidth();
    QFont font = memo->font();
    if (!linesFit(font, lines, width)) {
        font.setStretch(QFont::SemiCondensed);
    }
    while (!linesFit(font, lines, width) && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    memo->setFont(font);
}

QPushButton* addButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(sansSerif(11));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: white; font-weight: bold;"
                       " border: 1px solid rgb(46, 125, 50); border-radius: 3px; }"
                       "QPushButton:hover { background: rgb(46, 125, 50); }"
                       "QPushButton:pressed { background: rgb(33, 94, 36); }"
                       "QPushButton:focus { border: 2px solid rgb(33, 94, 36); }")
            .arg(cssOf(windowGreen())));
    return button;
}

void setUpToolWindow(QWidget* window, const QString& caption, const QSize& clientSize) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
    fillBackground(window, windowGreen());
}

}  // namespace corvanel::Look
