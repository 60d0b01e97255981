#include "SplashScreen.h"

#include "Artwork.h"
#include "Look.h"
#include "Version.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{493, 269};
constexpr QRect kWhitePanel{7, 7, 481, 257};
constexpr QRect kPortrait{16, 32, 121, 161};
constexpr QRect kBanner{216, -1, 233, 69};
constexpr QRect kHeading{150, 84, 325, 24};
constexpr QRect kStatusCaption{168, 168, 44, 16};
constexpr QRect kStatus{212, 168, 253, 16};
constexpr QRect kProgressBar{168, 192, 297, 9};
constexpr QRect kVersionNote{24, 216, 441, 33};
}  // namespace layout

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(layout::kClientSize);
    Look::fillBackground(this, Look::windowGreen());

    auto* whitePanel = new QWidget(this);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    whitePanel->setGeometry(layout::kWhitePanel);
    Look::fillBackground(whitePanel, Look::panelWhite());

    auto* portrait = new QLabel(whitePanel);
    portrait->setObjectName(QStringLiteral("Image1"));
    portrait->setGeometry(layout::kPortrait);
    Artwork::show(portrait, QStringLiteral("splash-portrait.jpg"));
    auto* banner = new QLabel(whitePanel);
    banner->setObjectName(QStringLiteral("Image2"));
    banner->setGeometry(layout::kBanner);
    Artwork::show(banner, QStringLiteral("splash-banner.jpg"));

    QLabel* heading = Look::addLabel(
        whitePanel, QStringLiteral("Aguarde enquanto o Lumbra é carregado."), layout::kHeading, 16);
    heading->setObjectName(QStringLiteral("Label2"));
    Look::setHeadingColour(heading);
    Look::addLabel(whitePanel, QStringLiteral("Status: "), layout::kStatusCaption, 11)
        ->setObjectName(QStringLiteral("Label3"));
    status_ = Look::addLabel(whitePanel, QStringLiteral("Iniciando..."), layout::kStatus, 11);
    status_->setObjectName(QStringLiteral("Label4"));

    progressBar_ = new QProgressBar(whitePanel);
    progressBar_->setObjectName(QStringLiteral("Bar1"));
    progressBar_->setGeometry(layout::kProgressBar);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid rgb(46, 125, 50); background: white; }"
                       "QProgressBar::chunk { background: rgb(123, 198, 33); }"));

    auto* versionNote = new QPlainTextEdit(whitePanel);
    versionNote->setObjectName(QStringLiteral("Memo1"));
    versionNote->setGeometry(layout::kVersionNote);
    versionNote->setFrameShape(QFrame::NoFrame);
    versionNote->setReadOnly(true);
    versionNote->setFocusPolicy(Qt::NoFocus);
    versionNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    versionNote->setPlainText(kVersionCaption +
                              u" - Março 2004\n"
                              u"Direitos da criança e do adolescente");
    versionNote->setFont(Look::sansSerif(11));

    WindowPlacement::centreOnScreen(this);
}

void SplashScreen::setStatus(const QString& text) {
    status_->setText(text);
    repaint();
    Q_EMIT statusChanged(text);
}

void SplashScreen::setBarPosition(int position) {
    const int previous = progressBar_->value();
    progressBar_->setValue(qBound(progressBar_->minimum(), position, progressBar_->maximum()));
    // A full bar asked to grow again looks the same: only a change repaints.
    if (progressBar_->value() != previous) {
        repaint();
    }
    Q_EMIT barPositionChanged(progressBar_->value());
}

int SplashScreen::barPosition() const {
    return progressBar_->value();
}

QString SplashScreen::status() const {
    return status_->text();
}

}  // namespace corvanel
