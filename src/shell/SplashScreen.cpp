#include "SplashScreen.h"

#include "Look.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{493, 269};
constexpr QRect kPanel1{7, 7, 481, 257};
constexpr QRect kImage1{16, 32, 121, 161};
constexpr QRect kImage2{216, -1, 233, 69};
constexpr QRect kLabel2{150, 84, 325, 24};
constexpr QRect kLabel3{168, 168, 44, 16};
constexpr QRect kLabel4{212, 168, 253, 16};
constexpr QRect kBar1{168, 192, 297, 9};
constexpr QRect kMemo1{24, 216, 441, 33};
}  // namespace layout

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(layout::kClientSize);
    Look::fillBackground(this, Look::windowGreen());

    auto* Panel1 = new QWidget(this);
    Panel1->setGeometry(layout::kPanel1);
    Look::fillBackground(Panel1, Look::panelWhite());

    auto* Image1 = new QLabel(Panel1);
    Image1->setGeometry(layout::kImage1);
    Image1->setPixmap(QPixmap(QStringLiteral(":/artwork/splash-portrait.jpg")));
    auto* Image2 = new QLabel(Panel1);
    Image2->setGeometry(layout::kImage2);
    Image2->setPixmap(QPixmap(QStringLiteral(":/artwork/splash-banner.jpg")));

    auto* Label2 = Look::addLabel(Panel1, QStringLiteral("Aguarde enquanto o Lumbra é carregado."),
                            layout::kLabel2, 16);
    Look::setHeadingColour(Label2);
    Look::addLabel(Panel1, QStringLiteral("Status: "), layout::kLabel3, 11);
    Label4 = Look::addLabel(Panel1, QStringLiteral("Iniciando..."), layout::kLabel4, 11);

    Bar1 = new QProgressBar(Panel1);
    Bar1->setGeometry(layout::kBar1);
    Bar1->setRange(0, 100);
    Bar1->setValue(0);
    Bar1->setTextVisible(false);
    Bar1->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid rgb(46, 125, 50); background: white; }"
        "QProgressBar::chunk { background: rgb(123, 198, 33); }"));

    auto* Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setGeometry(layout::kMemo1);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Versão 1.05 - Março 2004\n"
                                       "Direitos da criança e do adolescente"));
    Memo1->setFont(Look::sansSerif(11));

    WindowPlacement::centreOnScreen(this);
}

void SplashScreen::setStatus(const QString& text) {
    Label4->setText(text);
    repaint();
    Q_EMIT statusChanged(text);
}

void SplashScreen::setBarPosition(int position) {
    const int previous = Bar1->value();
    Bar1->setValue(qBound(Bar1->minimum(), position, Bar1->maximum()));
    // A full bar asked to grow again looks the same: only a change repaints.
    if (Bar1->value() != previous) {
        repaint();
    }
    Q_EMIT barPositionChanged(Bar1->value());
}

int SplashScreen::barPosition() const { return Bar1->value(); }

QString SplashScreen::status() const { return Label4->text(); }

}  // namespace corvanel
