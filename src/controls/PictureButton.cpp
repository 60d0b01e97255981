#include "PictureButton.h"

#include "Artwork.h"
#include "PictureButtonAccessibility.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace corvanel {

namespace {

constexpr QSize kInitialSize{80, 22};
constexpr int kBevelWidth = 3;
constexpr QPoint kPictureOrigin{3, 3};
constexpr int kWordsGap = 10;
constexpr int kWordsTop = 5;

// A bevel of width lines inside rect: light along the top and left, dark
// along the bottom and right; rect shrinks past it.
void drawFrame(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
               int width) {
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.left(), rect.top(), rect.right() - 1, rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        rect.adjust(1, 1, -1, -1);
    }
}

}  // namespace

PictureButton::PictureButton(QWidget* parent)
    : QWidget(parent), mousePressHandler_([] { QApplication::beep(); }) {
    installPictureButtonAccessibility();
    resize(kInitialSize);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::setWords(const QStringList& words) {
    words_ = words;
    repaintNow();
}

void PictureButton::setPicture(const QPixmap& picture) {
    pictureFile_.clear();
    picture_ = picture;
    hovered_ = false;
    repaintNow();
}

void PictureButton::setHoverPicture(const QPixmap& picture) {
    hoverPictureFile_.clear();
    hoverPicture_ = picture;
}

void PictureButton::setPictureFiles(const QString& picture, const QString& hoverPicture) {
    setPicture(Artwork::picture(picture));
    setHoverPicture(Artwork::picture(hoverPicture));
    pictureFile_ = picture;
    hoverPictureFile_ = hoverPicture;
}

void PictureButton::setHoverColour(LayoutColor colour) {
    hoverColour_ = colour;
}

void PictureButton::setLeaveColour(LayoutColor colour) {
    leaveColour_ = colour;
    currentColour_ = colour;
    repaintNow();
}

void PictureButton::setOuterBevel(Bevel bevel) {
    outerBevel_ = bevel;
    update();
}

void PictureButton::setPanelColour(LayoutColor colour) {
    panelColour_ = colour;
    update();
}

void PictureButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QString PictureButton::spokenName() const {
    if (!accessibleName().isEmpty()) {
        return accessibleName();
    }
    if (!toolTip().isEmpty()) {
        return toolTip();
    }
    return words_.join(QLatin1Char(' '));
}

void PictureButton::setMousePressHandler(std::function<void()> handler) {
    mousePressHandler_ = std::move(handler);
}

void PictureButton::click() {
    Q_EMIT clicked();
}

bool PictureButton::event(QEvent* event) {
    if (event->type() == Artwork::setChanged()) {
        // Same sizes in both sets: the words beside the picture stay put.
        if (!pictureFile_.isEmpty()) {
            picture_ = Artwork::picture(pictureFile_);
        }
        if (!hoverPictureFile_.isEmpty()) {
            hoverPicture_ = Artwork::picture(hoverPictureFile_);
        }
        update();
        return true;
    }
    return QWidget::event(event);
}

// A button declared hidden shows itself as soon as it paints.
void PictureButton::repaintNow() {
    if (isHidden()) {
        setVisible(true);
    }
    repaint();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPanel(painter);

    const QColor fill = toQColor(currentColour_, palette());
    painter.fillRect(QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)), fill);
    const QPixmap& picture = hovered_ ? hoverPicture_ : picture_;
    if (!picture.isNull()) {
        painter.drawPixmap(kPictureOrigin, picture);
    }
    caption_.clear();
    paintWords(painter, fill);
    if (hasFocus() && focusShown_) {
        paintFocusRing(painter);
    }
}

// Black inside white: seen on the green, the white and the grey alike.
void PictureButton::paintFocusRing(QPainter& painter) const {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void PictureButton::paintPanel(QPainter& painter) const {
    QRect rect = this->rect();
    if (outerBevel_ != Bevel::None) {
        const QColor light = toQColor(kSystemButtonHighlight, palette());
        const QColor dark = toQColor(kSystemButtonShadow, palette());
        const bool raised = outerBevel_ == Bevel::Raised;
        drawFrame(painter, rect, raised ? light : dark, raised ? dark : light, kBevelWidth);
    }
    painter.fillRect(rect, toQColor(panelColour_, palette()));
}

void PictureButton::paintWords(QPainter& painter, const QColor& background) const {
    if (words_.isEmpty()) {
        return;
    }
    // The height of "D" is the font's full cell height, as the text cell is.
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    const int x = picture_.width() + kWordsGap;
    for (qsizetype i = 0; i < words_.size(); ++i) {
        const int top = kWordsTop + static_cast<int>(i) * lineHeight;
        painter.drawText(QPoint(x, top + metrics.ascent()), words_.at(i));
    }
}

void PictureButton::enterEvent(QEnterEvent*) {
    currentColour_ = hoverColour_;
    hovered_ = true;
    repaintNow();
}

void PictureButton::leaveEvent(QEvent*) {
    currentColour_ = leaveColour_;
    hovered_ = false;
    repaintNow();
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (mousePressHandler_) {
        mousePressHandler_();
    }
    pressedInside_ = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool clickedHere = pressedInside_ && event->button() == Qt::LeftButton &&
                             rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (clickedHere) {
        click();
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!activates || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    if (!focusShown_) {
        focusShown_ = true;
        update();
    }
    if (mousePressHandler_) {
        mousePressHandler_();
    }
    click();
}

// The hint the pointer would show, for whoever arrives by keyboard.
void PictureButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The ring marks a focus the keyboard brought; a window coming to the
    // front keeps it as it was.
    if (event->reason() != Qt::ActiveWindowFocusReason) {
        focusShown_ = event->reason() != Qt::MouseFocusReason;
    }
    if (!toolTip().isEmpty()) {
        QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
    }
    update();
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason) {
        focusShown_ = false;
    }
    QToolTip::hideText();
    update();
}

}  // namespace corvanel
