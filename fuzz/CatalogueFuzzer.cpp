// The catalogue parser on arbitrary bytes: it either returns entries that
// keep its promises or throws BuildError, nothing else.
#include "BuildError.h"
#include "Catalogue.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

using corvanel::collection::BuildError;
using corvanel::collection::parseCatalogue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto entries = parseCatalogue(bytes, QStringLiteral("catalogo.jsonl"));
        const qsizetype lines = bytes.count('\n') + 1;
        QSet<qint64> codes;
        int previousLine = 0;
        for (const auto& entry : entries) {
            const bool fine = entry.card.cod > 0 && !codes.contains(entry.card.cod) &&
                              entry.line > previousLine && entry.line <= lines &&
                              (entry.hasText || entry.card.texts.isEmpty());
            if (!fine) {
                std::abort();
            }
            codes.insert(entry.card.cod);
            previousLine = entry.line;
        }
    } catch (const BuildError& error) {
        // Every fault names the file and the line it is on.
        if (!error.message().startsWith(u"catalogo.jsonl:")) {
            std::abort();
        }
    }
    return 0;
}
