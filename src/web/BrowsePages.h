#pragma once

#include "Reply.h"

#include <QStringView>

namespace corvanel::web {

struct Site;

// The start page: name, edition, totals and the six sections.
Reply startPage(const Site& site);

// A section: its search with its filter, its listing and its category tree.
// 404 for a letter that names no section.
Reply sectionPage(const Site& site, QStringView letter);

}  // namespace corvanel::web
