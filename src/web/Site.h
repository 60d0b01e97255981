#pragma once

#include "Sections.h"

#include <QString>

#include <array>

namespace corvanel::web {

// What every request reads and none changes: where the collection is and
// the totals counted when it was opened.
struct Site {
    QString connectionString;
    QString contentFolder;  // the local folder holding textos/, ending in '/'
    int documentCount = 0;
    std::array<int, kSectionCount> sectionTotals{};
    // Counts the openings: a worker's connection to an earlier one is reopened.
    int generation = 0;
};

// Opens the collection of a connection string once: its totals and folder.
// Throws DatabaseError when it is no collection.
Site openSite(const QString& connectionString);

}  // namespace corvanel::web
