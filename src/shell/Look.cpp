#include "Look.h"

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

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont sansSerif(int pixelSize) {
    QFont font;
    // Where the Windows font is missing, Arial's metric twin keeps texts
    // within the widths they were laid out for; fontconfig's own choice for
    // "MS Sans Serif" is a much wider face.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
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
    picture->setPixmap(QPixmap(QStringLiteral(":/artwork/") + file));
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
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: rgb(123, 198, 33); color: white; font-weight: bold;"
        " border: 1px solid rgb(46, 125, 50); border-radius: 3px; }"
        "QPushButton:hover { background: rgb(46, 125, 50); }"
        "QPushButton:pressed { background: rgb(33, 94, 36); }"
        "QPushButton:focus { border: 2px solid rgb(33, 94, 36); }"));
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
