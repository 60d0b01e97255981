// Page address resolution on arbitrary text: an address is refused, or it
// becomes exactly one of a local file (from the root of this computer's file
// system, and only from a "file://localhost/" address) or a web page with a
// host.
#include "PageAddress.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace PageAddress = corvanel::PageAddress;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString address =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QUrl> url = PageAddress::resolve(address);
    if (!url) {
        return 0;
    }
    const bool local = PageAddress::isLocal(*url);
    const bool remote = PageAddress::isRemote(*url);
    const bool named =
        address.startsWith(QLatin1StringView("file://localhost/"), Qt::CaseInsensitive);
    const bool fine = local != remote && local == named &&
                      (local ? url->toLocalFile().startsWith(u'/') && url->host().isEmpty()
                             : !url->host().isEmpty());
    if (!fine) {
        std::abort();
    }
    return 0;
}
