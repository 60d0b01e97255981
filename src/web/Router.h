#pragma once

#include "CollectionFiles.h"
#include "Reply.h"
#include "ResultCache.h"
#include "Site.h"

namespace corvanel::web {

// Which page or answer a path gets. Holds nothing that changes: any worker
// thread may route at once, each with its own connection to the collection.
class Router {
public:
    explicit Router(Site site);

    // Never throws: a failure of the collection is a 500 page, logged.
    Reply route(const Request& request) const;

    const Site& site() const { return site_; }

private:
    Reply dispatch(const Request& request) const;

    Site site_;
    CollectionFiles content_;
    // Lives and dies with this opening of the collection.
    mutable ResultCache results_;
};

}  // namespace corvanel::web
