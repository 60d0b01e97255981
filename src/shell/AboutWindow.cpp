#include "AboutWindow.h"

#include "Look.h"
#include "Publisher.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{339, 198};
constexpr QPoint kPosition{395, 241};
constexpr QRect kWhitePanel{8, 8, 329, 185};
constexpr QRect kPicture{0, 8, 129, 161};
constexpr QRect kAboutText{136, 16, 185, 153};
constexpr int kAboutTextPixelSize = 11;
}  // namespace layout

namespace {

QString versionAndSupport() {
    return u"Versão " + Publisher::kProgramVersion +
           u"\n"
           u"\n"
           u"Para suporte técnico, \n"
           u"instalação e execução,\n"
           u"entre em contato\n"
           u"via e-mail: " +
           Publisher::kSupportEmail +
           u"\n"
           u"\n"
           u"Direitos da criança e do adolescente: documentos de referência.";
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form17"));
    Look::setUpToolWindow(this, QStringLiteral("Sobre"), layout::kClientSize);
    QFrame* whitePanel = Look::addPanel(this, layout::kWhitePanel);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    Look::addPicture(whitePanel, QStringLiteral("about.jpg"), layout::kPicture)
        ->setObjectName(QStringLiteral("Image1"));
    aboutText_ = Look::addMemo(whitePanel, versionAndSupport(), layout::kAboutText,
                               layout::kAboutTextPixelSize);
    aboutText_->setObjectName(QStringLiteral("Memo1"));
    move(layout::kPosition);
}

QString AboutWindow::aboutText() const {
    return aboutText_->toPlainText();
}

}  // namespace corvanel
