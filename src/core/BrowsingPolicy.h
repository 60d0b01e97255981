#pragma once

#include "ContentFolder.h"

#include <QUrl>

// What a page shown in the page browser may do. Content pages come from the
// collection's folder and may read the files in it, nothing else; they reach
// the network only when the user follows a link, and then in the user's own
// web browser. The update page comes from the network and may not read this
// computer's files.
namespace corvanel::BrowsingPolicy {

enum class Navigation { Load, OpenInUserBrowser, Refuse };

// Who asked for a navigation or a new window.
enum class Initiator {
    Program,  // the program itself, with an address of its own
    User,     // the user, by following a link
    Page,     // the page on its own: a script, a timer, a refresh
};

// What to do when the page showing current asks to go to target.
Navigation decide(const QUrl& current, const QUrl& target, Initiator initiator,
                  const ContentFolder& collection);

// Whether a page showing firstParty may load resource (a picture, a script,
// a frame, a request of its scripts).
bool mayLoad(const QUrl& firstParty, const QUrl& resource, const ContentFolder& collection);

}  // namespace corvanel::BrowsingPolicy
