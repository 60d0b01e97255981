#include "BusyWindow.h"

#include "FrameAnimation.h"
#include "Look.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPalette>
#include <QWindow>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{235, 123};
constexpr QRect kWhitePanel{4, 4, 227, 115};
constexpr QRect kPicture{0, 0, 129, 105};
constexpr QRect kWaitHeading{134, 6, 92, 20};
constexpr QRect kLocatingLabel{134, 26, 92, 14};
constexpr QRect kFindFolderClip{128, 40, 80, 50};
constexpr int kClipFrames = 29;
constexpr int kClipRepetitions = 100;
}  // namespace layout

namespace {

QStringList findFolderFrames() {
    QStringList frames;
    for (int frame = 1; frame <= layout::kClipFrames; ++frame) {
        frames << QStringLiteral("find-folder-%1.png").arg(frame, 2, 10, QLatin1Char('0'));
    }
    return frames;
}

}  // namespace

BusyWindow::BusyWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("ProcurandoScreen"));
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

    auto* whitePanel = new QWidget(this);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    whitePanel->setGeometry(layout::kWhitePanel);
    Look::fillBackground(whitePanel, Look::panelWhite());

    // A clip of one frame: unlike a label, it never paints its picture greyed.
    auto* picture = new FrameAnimation(QStringList{QStringLiteral("busy.jpg")}, whitePanel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(layout::kPicture);

    QLabel* waitHeading =
        Look::addLabel(whitePanel, QStringLiteral("Aguarde..."), layout::kWaitHeading, 16);
    waitHeading->setObjectName(QStringLiteral("Label1"));
    Look::setHeadingColour(waitHeading);
    Look::addLabel(whitePanel, QStringLiteral("Localizando"), layout::kLocatingLabel, 11)
        ->setObjectName(QStringLiteral("Label2"));

    findFolderClip_ = new FrameAnimation(findFolderFrames(), whitePanel);
    findFolderClip_->setObjectName(QStringLiteral("Animate1"));
    findFolderClip_->setGeometry(layout::kFindFolderClip);
    findFolderClip_->play(1, layout::kClipFrames, layout::kClipRepetitions);

    WindowPlacement::centreOnScreen(this);
}

void BusyWindow::showBusy(QWidget* requester) {
    // A window manager keeps a tool window above the window it belongs to,
    // and only that one.
    if (requester != nullptr && requester->window()->windowHandle() != nullptr) {
        create();
        windowHandle()->setTransientParent(requester->window()->windowHandle());
    }
    show();
    raise();
    repaint();
}

void BusyWindow::hideBusy() {
    hide();
}

}  // namespace corvanel
