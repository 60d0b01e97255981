// Page text extraction on arbitrary bytes: a page is either refused with
// PageTextError (the parser could not read it to its end) or its text has no
// blank line, no line that starts or ends with a blank, and no run of blanks.
#include "PageText.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray html(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString text;
    try {
        text = corvanel::collection::pageText(html);
    } catch (const corvanel::collection::PageTextError&) {
        return 0;
    }
    if (text.isEmpty()) {
        return 0;
    }
    const bool tidy = !text.startsWith(u'\n') && !text.endsWith(u'\n') && !text.startsWith(u' ') &&
                      !text.endsWith(u' ') && !text.contains(u"\n\n") && !text.contains(u"  ") &&
                      !text.contains(u" \n") && !text.contains(u"\n ");
    if (!tidy) {
        std::abort();
    }
    return 0;
}
