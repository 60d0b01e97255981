#pragma once

#include "Router.h"

#include <memory>
#include <mutex>

namespace corvanel::web {

// The router requests are answered with, replaced whole when the collection
// is opened anew (SIGHUP): a request in flight keeps the one it started with.
class ServedSite {
public:
    explicit ServedSite(std::shared_ptr<const Router> router) : router_(std::move(router)) {}

    std::shared_ptr<const Router> current() const {
        const std::lock_guard lock(mutex_);
        return router_;
    }
    void replace(std::shared_ptr<const Router> router) {
        const std::lock_guard lock(mutex_);
        router_ = std::move(router);
    }

private:
    mutable std::mutex mutex_;
    std::shared_ptr<const Router> router_;
};

}  // namespace corvanel::web
