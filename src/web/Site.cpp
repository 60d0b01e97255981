#include "Site.h"

#include "Collection.h"
#include "ContentAddress.h"

#include <atomic>

namespace corvanel::web {

Site openSite(const QString& connectionString) {
    Collection collection(connectionString);
    collection.open();
    collection.readContentRoot();
    static std::atomic<int> openings;
    Site site;
    site.generation = ++openings;
    site.connectionString = connectionString;
    site.contentFolder = ContentAddress::localFolder(collection.contentRoot());
    site.documentCount = collection.documentCount().value_or(0);
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        site.sectionTotals[i] = collection.sectionTotal(kSections[i].section).value_or(0);
    }
    return site;
}

}  // namespace corvanel::web
