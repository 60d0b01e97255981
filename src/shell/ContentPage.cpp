#include "ContentPage.h"

#include "RecentUserInput.h"
#include "UserBrowser.h"

#include <QLoggingCategory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineUrlRequestInterceptor>

namespace corvanel {

namespace {

Q_LOGGING_CATEGORY(browsingLog, "corvanel.browsing")

using BrowsingPolicy::Initiator;
using BrowsingPolicy::Navigation;

// Applies the policy to every request of a page but its own navigations,
// which the page decides on: pictures, frames, scripts and what scripts ask
// for, local files included.
class ResourceGuard final : public QWebEngineUrlRequestInterceptor {
public:
    explicit ResourceGuard(ContentPage* page)
        : QWebEngineUrlRequestInterceptor(page), page_(page) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeMainFrame) {
            return;
        }
        if (!BrowsingPolicy::mayLoad(info.firstPartyUrl(), info.requestUrl(),
                                     page_->collection())) {
            qCInfo(browsingLog) << "Blocked" << info.requestUrl() << "asked for by"
                                << info.firstPartyUrl();
            info.block(true);
        }
    }

private:
    const ContentPage* page_;
};

}  // namespace

ContentPage::ContentPage(RecentUserInput& userInput, QObject* parent)
    : QWebEnginePage(parent), userInput_(userInput) {
    setUrlRequestInterceptor(new ResourceGuard(this));
    // No window is ever created: the address a new window asks for is
    // followed here when the policy lets this page go there, or handed to the
    // user's browser when the user asked for it.
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) { handleNewWindow(request); });
}

bool ContentPage::acceptNavigationRequest(const QUrl& target, NavigationType type, bool) {
    Initiator initiator = Initiator::Page;
    if (type == NavigationTypeTyped) {
        initiator = Initiator::Program;
    } else if (type == NavigationTypeLinkClicked && userInput_.isRecent()) {
        initiator = Initiator::User;
    }
    return follow(target, initiator);
}

void ContentPage::handleNewWindow(QWebEngineNewWindowRequest& request) {
    // The engine counts a script's window as the user's for seconds after any
    // click; the user's input of a moment ago must say so too.
    const bool byUser = request.isUserInitiated() && userInput_.isRecent();
    const QUrl target = request.requestedUrl();
    if (follow(target, byUser ? Initiator::User : Initiator::Page)) {
        load(target);
    }
}

bool ContentPage::follow(const QUrl& target, Initiator initiator) {
    switch (BrowsingPolicy::decide(url(), target, initiator, collection_)) {
        case Navigation::Load:
            return true;
        case Navigation::OpenInUserBrowser:
            userInput_.consume();
            UserBrowser::open(target);
            return false;
        case Navigation::Refuse:
            qCInfo(browsingLog) << "Refused" << target << "asked for by" << url()
                                << (initiator == Initiator::User ? "on the user's click"
                                                                 : "on its own");
            return false;
    }
    return false;
}

}  // namespace corvanel
