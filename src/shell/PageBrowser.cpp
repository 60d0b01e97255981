#include "PageBrowser.h"

#include "BrowsingPolicy.h"
#include "ErrorBox.h"
#include "PageAddress.h"
#include "PrinterPrompt.h"
#include "Prompts.h"

#include <QAction>
#include <QDesktopServices>
#include <QPrinter>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <functional>
#include <utility>

namespace corvanel {

namespace {

using BrowsingPolicy::Navigation;

// Applies the policy to every request of a page but its own navigations,
// which the page decides on.
class ResourceGuard final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame) {
            return;
        }
        if (!BrowsingPolicy::mayLoad(info.firstPartyUrl(), info.requestUrl())) {
            info.block(true);
        }
    }
};

// The page a link with a target asks for. It never shows anything: it hands
// the link's address back to the page that opened it, and goes.
class LinkCatcher final : public QWebEnginePage {
public:
    LinkCatcher(QWebEnginePage* opener, std::function<void(const QUrl&)> follow)
        : QWebEnginePage(opener->profile(), opener), follow_(std::move(follow)) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        if (follow_) {
            std::exchange(follow_, nullptr)(url);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void(const QUrl&)> follow_;
};

class ContentPage final : public QWebEnginePage {
public:
    explicit ContentPage(QObject* parent) : QWebEnginePage(parent) {}

protected:
    bool acceptNavigationRequest(const QUrl& target, NavigationType type, bool) override {
        return follow(target, type);
    }

    QWebEnginePage* createWindow(WebWindowType) override {
        return new LinkCatcher(this, [this](const QUrl& target) {
            if (follow(target, NavigationTypeLinkClicked)) {
                load(target);
            }
        });
    }

private:
    // Whether this page itself should go to target.
    bool follow(const QUrl& target, NavigationType type) {
        switch (BrowsingPolicy::decide(url(), target, type)) {
            case Navigation::Load:
                return true;
            case Navigation::OpenInUserBrowser:
                QDesktopServices::openUrl(target);
                return false;
            case Navigation::Refuse:
                return false;
        }
        return false;
    }
};

// Commands of the browser's own context menu that would open windows of
// their own or save pages behind the viewer's back.
constexpr QWebEnginePage::WebAction kHiddenMenuCommands[] = {
    QWebEnginePage::OpenLinkInNewWindow,   QWebEnginePage::OpenLinkInNewTab,
    QWebEnginePage::OpenLinkInNewBackgroundTab, QWebEnginePage::DownloadLinkToDisk,
    QWebEnginePage::DownloadImageToDisk,   QWebEnginePage::DownloadMediaToDisk,
    QWebEnginePage::ViewSource,            QWebEnginePage::SavePage,
    QWebEnginePage::InspectElement,
};

}  // namespace

NavigationRefused::NavigationRefused(const QString& address)
    : std::runtime_error(
          QStringLiteral("O endereço \"%1\" não pode ser aberto.").arg(address).toStdString()) {}

PageBrowser::PageBrowser(QWidget* parent) : QWebEngineView(parent) {
    auto* page = new ContentPage(this);
    page->setUrlRequestInterceptor(new ResourceGuard(page));
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    for (const QWebEnginePage::WebAction command : kHiddenMenuCommands) {
        page->action(command)->setVisible(false);
    }
    setPage(page);

    connect(this, &QWebEngineView::printRequested, this,
            [this] { runGuarded([this] { printPage(); }); });
    connect(this, &QWebEngineView::printFinished, this,
            [this](bool success) { runGuarded([this, success] { finishPrinting(success); }); });
}

PageBrowser::~PageBrowser() = default;

void PageBrowser::Navigate(const QString& address) {
    const std::optional<QUrl> url = PageAddress::resolve(address);
    if (!url) {
        throw NavigationRefused(address);
    }
    lastAddress_ = address;
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

void PageBrowser::finishPrinting(bool success) {
    printer_.reset();
    if (!success) {
        Prompts::current().error(QStringLiteral("Não foi possível imprimir a página."));
    }
}

}  // namespace corvanel
