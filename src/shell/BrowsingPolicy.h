#pragma once

#include <QUrl>
#include <QWebEnginePage>

// What a page shown in the page browser may do. Content pages come from the
// collection's folder and may read its files, but reach the network only when
// the user follows a link, and then in the user's own web browser. The update
// page comes from the network and may not read this computer's files.
namespace corvanel::BrowsingPolicy {

enum class Navigation { Load, OpenInUserBrowser, Refuse };

// What to do when the page showing current asks to go to target.
// Addresses the program itself navigates to arrive as typed ones.
Navigation decide(const QUrl& current, const QUrl& target, QWebEnginePage::NavigationType type);

// Whether a page showing firstParty may load resource (a picture, a script,
// a frame, a request of its scripts).
bool mayLoad(const QUrl& firstParty, const QUrl& resource);

}  // namespace corvanel::BrowsingPolicy
