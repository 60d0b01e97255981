#include "ContentLocationScreen.h"

#include "ContentRootStore.h"
#include "ErrorBox.h"
#include "Look.h"
#include "Prompts.h"
#include "Publisher.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{574, 383};
constexpr QRect kPanel1{8, 8, 561, 369};
constexpr QRect kImage1{8, 24, 137, 121};
constexpr QRect kLabel1{280, 8, 160, 26};
constexpr int kLabel1PixelSize = 19;
constexpr QRect kMemo1{168, 40, 385, 321};
constexpr int kMemo1PixelSize = 11;
constexpr QRect kButton1{32, 184, 113, 25};
constexpr QRect kButton2{32, 240, 113, 25};
}  // namespace layout

namespace {

constexpr QStringView kOpenDialogFilter = u"Arquivo de Configuração (.dat) (*.dat)";

// The message, one entry per line; the support address ends the last one.
constexpr std::array<QStringView, 24> kMessageLines{
    u"O Lumbra não pode localizar seus arquivos de dados. ",
    u"",
    u"Esta mensagem pode aparecer nos seguintes casos:",
    u"",
    u"- É a primeira vez que está executando o LUMBRA",
    u"",
    u"- Você não inseriu o CD do Lumbra no drive apropriado",
    u"",
    u"- Existe algum problema no CD-ROM do lumbra.",
    u"",
    u"",
    u"",
    u"O que você deve fazer?",
    u"",
    u"Insira no drive apropriado o CD-ROM do Lumbra. ",
    u"",
    u"Se a instalação iniciar, cancele.",
    u"",
    u"Clique no botão localizar e encontre o arquivo labels.dat. Ele deverá estar no",
    u"diretório RAIZ do CD-ROM do Lumbra. ",
    u"",
    u"Após clique no botão Fechar e REINICIE o LUMBRA.",
    u"",
    u"Se mesmo assim o problema persistir entre em contato com ",
};

QString messageText() {
    QStringList lines;
    for (const QStringView line : kMessageLines) {
        lines << line.toString();
    }
    lines.last() += Publisher::kSupportEmail;
    return lines.join(u'\n');
}

}  // namespace

ContentLocationScreen::ContentLocationScreen(QString programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("ErroScreen"));
    setWindowTitle(kApplicationTitle.toString());
    setFixedSize(layout::kClientSize);
    Look::fillBackground(this, Look::windowGreen());

    QFrame* Panel1 = Look::addPanel(this, layout::kPanel1);
    Look::addPicture(Panel1, QStringLiteral("content-location.jpg"), layout::kImage1);
    QLabel* Label1 = Look::addLabel(Panel1, QStringLiteral("ATENÇÃO"), layout::kLabel1,
                                    layout::kLabel1PixelSize);
    Label1->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    Memo1 = Look::addMemo(Panel1, messageText(), layout::kMemo1, layout::kMemo1PixelSize,
                          /*wrap=*/false);
    Look::fitLinesToWidth(Memo1);

    Button1 = Look::addButton(Panel1, QStringLiteral("LOCALIZAR"), layout::kButton1);
    Button2 = Look::addButton(Panel1, QStringLiteral("FECHAR"), layout::kButton2);
    connect(Button1, &QPushButton::clicked, this, [this] { runGuarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { runGuarded([this] { Button2Click(); }); });

    WindowPlacement::centreOnScreen(this);
}

void ContentLocationScreen::showOnTop() {
    show();
    raise();
    repaint();
}

void ContentLocationScreen::Button1Click() {
    const QString picked =
        Prompts::current().openFileName(this, OpenDialog1FileName, kOpenDialogFilter.toString());
    if (!picked.isEmpty()) {
        OpenDialog1FileName = picked;
    }
}

void ContentLocationScreen::Button2Click() {
    if (!OpenDialog1FileName.isEmpty()) {
        ContentRootStore::store(programFolder_, ContentRootStore::folderOf(OpenDialog1FileName));
    }
    Q_EMIT terminationRequested();
}

QString ContentLocationScreen::message() const { return Memo1->toPlainText(); }

}  // namespace corvanel
