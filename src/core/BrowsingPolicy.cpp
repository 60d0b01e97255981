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

Navigation decide(const QUrl& current, const QUrl& target, Initiator initiator,
                  const ContentFolder& collection) {
    if (initiator == Initiator::Program) {
        return Navigation::Load;
    }
    if (isInlineContent(target)) {
        return Navigation::Load;
    }
    if (PageAddress::isLocal(target)) {
        return !PageAddress::isRemote(current) && collection.contains(target) ? Navigation::Load
                                                                              : Navigation::Refuse;
    }
    if (PageAddress::isRemote(current) && PageAddress::isRemote(target)) {
        return Navigation::Load;
    }
    // Only a link the user follows leaves the collection; a page that sends
    // itself elsewhere on its own goes nowhere. Any other scheme would be
    // handed to whatever program claims it: never.
    return initiator == Initiator::User && isForUserBrowser(target) ? Navigation::OpenInUserBrowser
                                                                    : Navigation::Refuse;
}

bool mayLoad(const QUrl& firstParty, const QUrl& resource, const ContentFolder& collection) {
    if (isInlineContent(resource)) {
        return true;
    }
    // Only a page known to come from the network may load from it; a request
    // whose page is not known yet is held to the rules of a local page.
    if (PageAddress::isRemote(firstParty)) {
        return !PageAddress::isLocal(resource);
    }
    return collection.contains(resource);
}

}  // namespace corvanel::BrowsingPolicy
