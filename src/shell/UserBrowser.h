#pragma once

class QUrl;

// The user's own web browser, for the collection's links to the web.
namespace corvanel::UserBrowser {

// Opens url there. When this computer has no program for it, says so in a
// message that shows the address, for the user to copy; false then.
bool open(const QUrl& url);

}  // namespace corvanel::UserBrowser
