#include "Site.h"

#include "Collection.h"
#include "ConnectionString.h"

#include <atomic>

namespace corvanel::web {

Site openSite(const QString& programFolder) {
    Collection collection = Collection::open(programFolder);
    static std::atomic<int> openings;
    Site site;
    site.generation = ++openings;
    site.connectionString = connectionStringFor(programFolder);
    site.contentFolder = collection.contentFolder();
    site.edition = collection.edition();
    site.documentCount = collection.documentCount().value_or(0);
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        site.sectionTotals[i] = collection.sectionTotal(kSections[i].section).value_or(0);
    }
    return site;
}

}  // namespace corvanel::web
