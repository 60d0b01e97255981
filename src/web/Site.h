#pragma once

#include "ContentFolder.h"
#include "Sections.h"

#include <QString>

#include <array>

namespace corvanel::web {

// What every request reads and none changes: where the collection is and
// the totals counted when it was opened.
struct Site {
    QString connectionString;
    ContentFolder contentFolder;  // decided once, as the desktop decides it
    QString edition;              // the collection's own edition line; empty when none
    int documentCount = 0;
    std::array<int, kSectionCount> sectionTotals{};
    // Counts the openings: a worker's connection to an earlier one is reopened.
    int generation = 0;
};

// Opens the collection in programFolder once: its totals and content folder.
// Throws DatabaseError when it is no collection.
Site openSite(const QString& programFolder);

}  // namespace corvanel::web
