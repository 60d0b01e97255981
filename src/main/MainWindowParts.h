#pragma once

#include "MainWindowLayout.h"

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;

namespace corvanel {

class PictureButton;

// Builds the main window's controls from their layout rows.
namespace main_window {

QFont fontOf(const Font& font);

QLabel* placePicture(QWidget* parent, const Picture& picture);
QLabel* placeLabel(QWidget* parent, const Label& label);
QFrame* placePanel(QWidget* parent, const Placed& panel, const QColor& colour);
// A borderless read-only field that shows a value from its start.
QLineEdit* placeDisplay(QWidget* parent, const Placed& field);
void showInDisplay(QLineEdit* display, const QString& text);

// A picture button of the main window, set up as its configuration says.
PictureButton* placeButton(QWidget* parent, const ButtonPlacement& button);
PictureButton* placeButton(QWidget* parent, QStringView name, QPoint position);

}  // namespace main_window

// An area over a picture that answers a click and draws nothing but, when
// Tab has brought the focus to it, a ring; Space and Enter click it.
class ClickArea final : public QWidget {
    Q_OBJECT

public:
    ClickArea(const main_window::Placed& placement, const QString& spokenName, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressedInside_ = false;
};

}  // namespace corvanel
