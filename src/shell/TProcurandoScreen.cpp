#include "TProcurandoScreen.h"

#include "FrameAnimation.h"
#include "Look.h"
#include "WindowPlacement.h"

#include <QLabel>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{235, 123};
constexpr QRect kPanel1{4, 4, 227, 115};
constexpr QRect kImage1{0, 0, 129, 105};
constexpr QRect kLabel1{136, 6, 88, 20};
constexpr QRect kLabel2{136, 26, 88, 14};
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

TProcurandoScreen::TProcurandoScreen(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BusyScreen"));
    setFixedSize(layout::kClientSize);
    setEnabled(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    Look::fillBackground(this, Look::windowGreen());

    auto* Panel1 = new QWidget(this);
    Panel1->setGeometry(layout::kPanel1);
    Look::fillBackground(Panel1, Look::panelWhite());

    auto* Image1 = new QLabel(Panel1);
    Image1->setGeometry(layout::kImage1);
    Image1->setPixmap(QPixmap(QStringLiteral(":/artwork/busy.jpg")));

    Look::addLabel(Panel1, QStringLiteral("Aguarde..."), layout::kLabel1, 16)
        ->setStyleSheet(QStringLiteral("color: rgb(46, 125, 50); font-weight: bold;"));
    Look::addLabel(Panel1, QStringLiteral("Localizando"), layout::kLabel2, 11);

    Animate1 = new FrameAnimation(findFolderClip(), Panel1);
    Animate1->setGeometry(layout::kAnimate1);
    Animate1->play(1, layout::kClipFrames, layout::kClipRepetitions);

    WindowPlacement::centreOnScreen(this);
}

void TProcurandoScreen::showBusy() {
    show();
    raise();
    repaint();
}

void TProcurandoScreen::hideBusy() { hide(); }

BusyScope::BusyScope(TProcurandoScreen* screen) : screen_(screen) {
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
