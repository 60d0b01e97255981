#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace corvanel::PageAddress {

// The URL the page browser loads for an address as the windows build it:
// "file://localhost/" + a local path (a Windows root keeps its backslashes,
// which become separators here) + an optional "?query" after the file name;
// or a web address ("http://", "https://") as it is. Nothing else is
// loaded: the result is empty for any other text.
std::optional<QUrl> resolve(const QString& address);

// Whether url is a page of this computer's files.
bool isLocal(const QUrl& url);

// Whether url is a page on the network.
bool isRemote(const QUrl& url);

}  // namespace corvanel::PageAddress
