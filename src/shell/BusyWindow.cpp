#include "BusyWindow.h"

#include "FrameAnimation.h"
#include "Look.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPalette>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{235, 123};
constexpr QRect kPanel1{4, 4, 227, 115};
constexpr QRect kImage1{0, 0, 129, 105};
constexpr QRect kLabel1{134, 6, 92, 20};
constexpr QRect kLabel2{134, 26, 92, 14};
constexpr QRect kAnimate1{128, 40, 80, 50};
constexpr int kClipFrames = 29;
constexpr int kClipRepetitions = 100;
}  // namespace layout

namespace {

QList<QPixmap> findFolderClip() {
    QList<QPixmap> frames;
    for (int frame = 1; frame <= layout::kClipFrames; ++frame) {
        frames << QPixmap(QStringLiteral(":/artwork/find-folder-%1.png")
                              .arg(frame, 2, 10, QLatin1Char('0')));
    }
    return frames;
}

}  // namespace

BusyWindow::BusyWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BusyScreen"));
    setFixedSize(layout::kClientSize);
    setEnabled(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    Look::fillBackground(this, Look::windowGreen());
    // The window takes no input, but must not look greyed out.
    QPalette palette = this->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, colorRole, palette.color(QPalette::Active, colorRole));
    }
    setPalette(palette);

    auto* Panel1 = new QWidget(this);
    Panel1->setGeometry(layout::kPanel1);
    Look::fillBackground(Panel1, Look::panelWhite());

    // A clip of one frame: unlike a label, it never paints its picture greyed.
    auto* Image1 = new FrameAnimation({QPixmap(QStringLiteral(":/artwork/busy.jpg"))}, Panel1);
    Image1->setGeometry(layout::kImage1);

    Look::setHeadingColour(
        Look::addLabel(Panel1, QStringLiteral("Aguarde..."), layout::kLabel1, 16));
    Look::addLabel(Panel1, QStringLiteral("Localizando"), layout::kLabel2, 11);

    Animate1 = new FrameAnimation(findFolderClip(), Panel1);
    Animate1->setGeometry(layout::kAnimate1);
    Animate1->play(1, layout::kClipFrames, layout::kClipRepetitions);

    WindowPlacement::centreOnScreen(this);
}

void BusyWindow::showBusy() {
    show();
    raise();
    repaint();
}

void BusyWindow::hideBusy() { hide(); }

BusyScope::BusyScope(BusyWindow* screen) : screen_(screen) {
    if (screen_ != nullptr) {
        screen_->showBusy();
    }
}

BusyScope::~BusyScope() {
    if (screen_ != nullptr) {
        screen_->hideBusy();
    }
}

}  // namespace corvanel
