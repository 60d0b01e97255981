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
constexpr QRect kWhitePanel{8, 8, 561, 369};
constexpr QRect kPicture{8, 24, 137, 121};
constexpr QRect kAttentionTitle{280, 8, 160, 26};
constexpr int kAttentionTitlePixelSize = 19;
constexpr QRect kMessage{168, 40, 385, 321};
constexpr int kMessagePixelSize = 11;
constexpr QRect kLocateButton{32, 184, 113, 25};
constexpr QRect kCloseButton{32, 240, 113, 25};
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

    QFrame* whitePanel = Look::addPanel(this, layout::kWhitePanel);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    Look::addPicture(whitePanel, QStringLiteral("content-location.jpg"), layout::kPicture)
        ->setObjectName(QStringLiteral("Image1"));
    QLabel* attentionTitle =
        Look::addLabel(whitePanel, QStringLiteral("ATENÇÃO"), layout::kAttentionTitle,
                       layout::kAttentionTitlePixelSize);
    attentionTitle->setObjectName(QStringLiteral("Label1"));
    attentionTitle->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    message_ = Look::addMemo(whitePanel, messageText(), layout::kMessage, layout::kMessagePixelSize,
                             /*wrap=*/false);
    message_->setObjectName(QStringLiteral("Memo1"));
    Look::fitLinesToWidth(message_);

    QPushButton* locateButton =
        Look::addButton(whitePanel, QStringLiteral("LOCALIZAR"), layout::kLocateButton);
    locateButton->setObjectName(QStringLiteral("Button1"));
    QPushButton* closeButton =
        Look::addButton(whitePanel, QStringLiteral("FECHAR"), layout::kCloseButton);
    closeButton->setObjectName(QStringLiteral("Button2"));
    connect(locateButton, &QPushButton::clicked, this,
            [this] { runGuarded([this] { pickMarkerFile(); }); });
    connect(closeButton, &QPushButton::clicked, this,
            [this] { runGuarded([this] { storeFolderAndEnd(); }); });

    WindowPlacement::centreOnScreen(this);
}

void ContentLocationScreen::showOnTop() {
    show();
    raise();
    repaint();
}

void ContentLocationScreen::pickMarkerFile() {
    const QString picked =
        Prompts::current().openFileName(this, pickedFile_, kOpenDialogFilter.toString());
    if (!picked.isEmpty()) {
        pickedFile_ = picked;
    }
}

void ContentLocationScreen::storeFolderAndEnd() {
    if (!pickedFile_.isEmpty()) {
        ContentRootStore::store(programFolder_, ContentRootStore::folderOf(pickedFile_));
    }
    Q_EMIT terminationRequested();
}

void ContentLocationScreen::setProgramFolder(QString programFolder) {
    programFolder_ = std::move(programFolder);
    pickedFile_.clear();
}

QString ContentLocationScreen::message() const {
    return message_->toPlainText();
}

}  // namespace corvanel
