#include "AboutWindow.h"

#include "Look.h"
#include "Publisher.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{339, 198};
constexpr QPoint kPosition{395, 241};
constexpr QRect kPanel1{8, 8, 329, 185};
constexpr QRect kImage1{0, 8, 129, 161};
constexpr QRect kMemo1{136, 16, 185, 153};
constexpr int kMemo1PixelSize = 11;
}  // namespace layout

namespace {

QString aboutText() {
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
    QFrame* Panel1 = Look::addPanel(this, layout::kPanel1);
    Look::addPicture(Panel1, QStringLiteral("about.jpg"), layout::kImage1);
    Memo1 = Look::addMemo(Panel1, aboutText(), layout::kMemo1, layout::kMemo1PixelSize);
    move(layout::kPosition);
}

QString AboutWindow::memoText() const { return Memo1->toPlainText(); }

}  // namespace corvanel
