#include "BrowsingPolicy.h"

#include "PageAddress.h"

namespace corvanel::BrowsingPolicy {

namespace {

// Addresses the user's own programs know how to open.
bool isForUserBrowser(const QUrl& url) {
    return PageAddress::isRemote(url) || url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0;
}

// Addresses a page's own content is made of, wherever it came from.
bool isInlineContent(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == u"data" || scheme == u"blob" || scheme == u"about";
}

}  // namespace

Navigation decide(const QUrl& current, const QUrl& target, QWebEnginePage::NavigationType type) {
    if (type == QWebEnginePage::NavigationTypeTyped) {
        return Navigation::Load;
    }
    if (PageAddress::isRemote(current)) {
        return PageAddress::isLocal(target) ? Navigation::Refuse : Navigation::Load;
    }
    if (!isForUserBrowser(target)) {
        return Navigation::Load;
    }
    // Only a link the user clicks leaves the collection; a page that sends
    // itself to the network on its own goes nowhere.
    return type == QWebEnginePage::NavigationTypeLinkClicked ? Navigation::OpenInUserBrowser
                                                             : Navigation::Refuse;
}

bool mayLoad(const QUrl& firstParty, const QUrl& resource) {
    if (isInlineContent(resource)) {
        return true;
    }
    // Only a page known to come from the network may load from it; a request
    // whose page is not known yet is held to the rules of a local page.
    if (PageAddress::isRemote(firstParty)) {
        return !PageAddress::isLocal(resource);
    }
    return PageAddress::isLocal(resource);
}

}  // namespace corvanel::BrowsingPolicy
