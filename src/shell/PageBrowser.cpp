#include "PageBrowser.h"

#include "ContentPage.h"
#include "ErrorBox.h"
#include "PageAddress.h"
#include "PdfPrintout.h"
#include "PrinterPrompt.h"
#include "Prompts.h"
#include "RecentUserInput.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QWebEngineSettings>

#include <utility>

namespace corvanel {

namespace {

// Commands of the browser's own context menu that would open windows of
// their own or save pages behind the viewer's back.
constexpr QWebEnginePage::WebAction kHiddenMenuCommands[] = {
    QWebEnginePage::OpenLinkInNewWindow,
    QWebEnginePage::OpenLinkInNewTab,
    QWebEnginePage::OpenLinkInNewBackgroundTab,
    QWebEnginePage::DownloadLinkToDisk,
    QWebEnginePage::DownloadImageToDisk,
    QWebEnginePage::DownloadMediaToDisk,
    QWebEnginePage::ViewSource,
    QWebEnginePage::SavePage,
    QWebEnginePage::InspectElement,
};

// The engine's context menu speaks English, and Debian ships no Brazilian
// Portuguese for it: the commands it may show, named here.
struct MenuCommandName {
    QWebEnginePage::WebAction command;
    const char16_t* name;
};
constexpr MenuCommandName kMenuCommandNames[] = {
    {QWebEnginePage::Back, u"Voltar"},
    {QWebEnginePage::Forward, u"Avançar"},
    {QWebEnginePage::Stop, u"Parar"},
    {QWebEnginePage::Reload, u"Recarregar"},
    {QWebEnginePage::ReloadAndBypassCache, u"Recarregar sem cache"},
    {QWebEnginePage::Cut, u"Recortar"},
    {QWebEnginePage::Copy, u"Copiar"},
    {QWebEnginePage::Paste, u"Colar"},
    {QWebEnginePage::PasteAndMatchStyle, u"Colar sem formatação"},
    {QWebEnginePage::Undo, u"Desfazer"},
    {QWebEnginePage::Redo, u"Refazer"},
    {QWebEnginePage::SelectAll, u"Selecionar tudo"},
    {QWebEnginePage::Unselect, u"Desfazer seleção"},
    {QWebEnginePage::OpenLinkInThisWindow, u"Abrir link"},
    {QWebEnginePage::CopyLinkToClipboard, u"Copiar endereço do link"},
    {QWebEnginePage::CopyImageToClipboard, u"Copiar imagem"},
    {QWebEnginePage::CopyImageUrlToClipboard, u"Copiar endereço da imagem"},
    {QWebEnginePage::CopyMediaUrlToClipboard, u"Copiar endereço da mídia"},
    {QWebEnginePage::ToggleMediaControls, u"Mostrar controles"},
    {QWebEnginePage::ToggleMediaLoop, u"Repetir"},
    {QWebEnginePage::ToggleMediaPlayPause, u"Reproduzir/Pausar"},
    {QWebEnginePage::ToggleMediaMute, u"Sem som"},
    {QWebEnginePage::ExitFullScreen, u"Sair da tela cheia"},
};

}  // namespace

NavigationRefused::NavigationRefused(const QString& address)
    : std::runtime_error(
          QStringLiteral("O endereço \"%1\" não pode ser aberto.").arg(address).toStdString()) {}

PageBrowser::PageBrowser(QWidget* parent)
    : QWebEngineView(parent), page_(new ContentPage(*new RecentUserInput(this), this)) {
    QWebEngineSettings* settings = page_->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    for (const QWebEnginePage::WebAction command : kHiddenMenuCommands) {
        page_->action(command)->setVisible(false);
    }
    for (const auto& [command, name] : kMenuCommandNames) {
        page_->action(command)->setText(QString::fromUtf16(name));
    }
    setPage(page_);

    connect(this, &QWebEngineView::printRequested, this,
            [this] { runGuarded([this] { printPage(); }); });
}

PageBrowser::~PageBrowser() = default;

void PageBrowser::setContentFolderSource(std::function<ContentFolder()> contentFolder) {
    contentFolder_ = std::move(contentFolder);
}

void PageBrowser::setContentRootSource(std::function<QString()> contentRoot) {
    setContentFolderSource([contentRoot = std::move(contentRoot)] {
        return contentRoot ? ContentFolder::fromRoot(contentRoot()) : ContentFolder();
    });
}

void PageBrowser::Navigate(const QString& address) {
    std::optional<QUrl> url = PageAddress::resolve(address);
    ContentFolder folder = contentFolder_ ? contentFolder_() : ContentFolder();
    if (url && url->isLocalFile() && !folder.contains(*url)) {
        // A local page is one of the collection's. Without a content folder
        // (the user is being asked for it) the page stays blank.
        if (folder.isValid()) {
            throw NavigationRefused(address);
        }
        url = QUrl(QStringLiteral("about:blank"));
    }
    if (!url) {
        throw NavigationRefused(address);
    }
    lastAddress_ = address;
    lastUrl_ = *url;
    page_->setCollection(std::move(folder));
    load(*url);
    Q_EMIT navigationStarted(*url);
}

void PageBrowser::printPage() {
    // One print at a time: the engine makes one PDF at a time.
    if (printer_ || printingNow_) {
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!PrinterPrompt::current().choosePrinter(*printer, this)) {
        return;
    }
    printer_ = std::move(printer);
    // The page's own vector PDF: a printed page keeps its text, and no page is
    // ever drawn at the printer's full resolution in memory.
    QPointer<PageBrowser> alive(this);
    printToPdf(
        [alive](const QByteArray& pdf) {
            if (alive) {
                runGuarded([&] { alive->finishPrinting(pdf); });
            }
        },
        printer_->pageLayout(), printer_->pageRanges());
}

void PageBrowser::showPrintPreview() {
    if (printer_ || printingNow_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrinterPrompt::current().showPreview(printer, this, [this](QPrinter* target) {
        if (!printNow(target)) {
            Prompts::current().error(QStringLiteral("Não foi possível preparar a impressão."));
        }
    });
}

QByteArray PageBrowser::pdfFor(const QPrinter& printer) {
    QByteArray made;
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    printToPdf(
        [&made, waiting](const QByteArray& pdf) {
            if (waiting) {
                made = pdf;
                waiting->quit();
            }
        },
        printer.pageLayout(), printer.pageRanges());
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return made;
}

bool PageBrowser::printNow(QPrinter* printer) {
    if (printer_ || printingNow_) {
        return false;
    }
    // The preview asks for its pages and draws them as soon as it is answered.
    printingNow_ = true;
    const QString problem = PdfPrintout::print(pdfFor(*printer), *printer);
    printingNow_ = false;
    return problem.isEmpty();
}

void PageBrowser::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // Only the engine's own request carries what the menu is about.
    if (menu == nullptr) {
        return;
    }
    if (!windowCommands_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(windowCommands_);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PageBrowser::finishPrinting(const QByteArray& pdf) {
    const std::unique_ptr<QPrinter> printer = std::move(printer_);
    const QString problem = PdfPrintout::print(pdf, *printer);
    if (!problem.isEmpty()) {
        Prompts::current().error(problem);
    }
    Q_EMIT printed(problem.isEmpty());
}

}  // namespace corvanel
