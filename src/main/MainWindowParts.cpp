#include "MainWindowParts.h"

#include "Look.h"
#include "PictureButton.h"
#include "PictureButtonConfigurations.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace corvanel {

namespace main_window {

namespace {
constexpr QStringView kWindow = u"TForm1";
constexpr QStringView kSansSerif = u"MS Sans Serif";
}  // namespace

QFont fontOf(const Font& font) {
    if (font.family == kSansSerif) {
        return Look::sansSerif(font.pixelSize);
    }
    QFont result(font.family.toString());
    result.setPixelSize(font.pixelSize);
    return result;
}

QLabel* placePicture(QWidget* parent, const Picture& picture) {
    QLabel* label = Look::addPicture(parent, picture.file.toString(), picture.geometry);
    label->setObjectName(picture.name.toString());
    return label;
}

QLabel* placeLabel(QWidget* parent, const Label& label) {
    auto* widget = new QLabel(label.text.toString(), parent);
    widget->move(label.position);
    widget->adjustSize();
    return widget;
}

QFrame* placePanel(QWidget* parent, const Placed& panel, const QColor& colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(panel.name.toString());
    frame->setGeometry(panel.geometry);
    Look::fillBackground(frame, colour);
    return frame;
}

QLineEdit* placeDisplay(QWidget* parent, const Placed& field) {
    auto* display = new QLineEdit(parent);
    display->setObjectName(field.name.toString());
    display->setGeometry(field.geometry);
    display->setFrame(false);
    display->setReadOnly(true);
    display->setFocusPolicy(Qt::NoFocus);
    // In line with the caption beside it, not centred in the field's height.
    display->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return display;
}

void showInDisplay(QLineEdit* display, const QString& text) {
    display->setText(text);
    display->setCursorPosition(0);
}

PictureButton* placeButton(QWidget* parent, QStringView name, QPoint position) {
    auto* button = new PictureButton(parent);
    applyConfiguration(*button, pictureButtonConfiguration(kWindow, name));
    button->move(position);
    return button;
}

PictureButton* placeButton(QWidget* parent, const ButtonPlacement& button) {
    return placeButton(parent, button.name, button.position);
}

}  // namespace main_window

ClickArea::ClickArea(const main_window::Placed& placement, const QString& spokenName,
                     QWidget* parent)
    : QWidget(parent) {
    setObjectName(placement.name.toString());
    setGeometry(placement.geometry);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(spokenName);
}

void ClickArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClickArea::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void ClickArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ClickArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    const bool clickedHere = pressedInside_ && event->button() == Qt::LeftButton &&
                             rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (clickedHere) {
        Q_EMIT clicked();
    }
}

}  // namespace corvanel
