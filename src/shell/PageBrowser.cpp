#include "PageBrowser.h"

#include "ContentPage.h"
#include "ErrorBox.h"
#include "PageAddress.h"
#include "PrinterPrompt.h"
#include "Prompts.h"
#include "RecentUserInput.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
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
    setPage(page_);

    connect(this, &QWebEngineView::printRequested, this,
            [this] { runGuarded([this] { printPage(); }); });
    connect(this, &QWebEngineView::printFinished, this,
            [this](bool success) { runGuarded([this, success] { finishPrinting(success); }); });
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
    // One print at a time: the view prints through the printer it was given.
    if (printer_) {
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!PrinterPrompt::current().choosePrinter(*printer, this)) {
        return;
    }
    printer_ = std::move(printer);
    print(printer_.get());
}

void PageBrowser::showPrintPreview() {
    if (printer_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrinterPrompt::current().showPreview(printer, this, [this](QPrinter* target) {
        if (!printNow(target)) {
            Prompts::current().error(QStringLiteral("Não foi possível preparar a impressão."));
        }
    });
}

bool PageBrowser::printNow(QPrinter* printer) {
    if (printer_ || printingNow_) {
        return false;
    }
    // The preview asks for its pages and draws them as soon as it is answered.
    printingNow_ = true;
    bool printed = false;
    QEventLoop loop;
    const QMetaObject::Connection finished =
        connect(this, &QWebEngineView::printFinished, &loop, [&](bool success) {
            printed = success;
            loop.quit();
        });
    print(printer);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(finished);
    printingNow_ = false;
    return printed;
}

void PageBrowser::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!windowCommands_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(windowCommands_);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PageBrowser::finishPrinting(bool success) {
    if (printingNow_) {
        return;
    }
    printer_.reset();
    if (!success) {
        Prompts::current().error(QStringLiteral("Não foi possível imprimir a página."));
    }
}

}  // namespace corvanel
