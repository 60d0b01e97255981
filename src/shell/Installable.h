#pragma once

#include <utility>

namespace corvanel {

// A seam with a default that tests replace: a Service deriving from
// Installable<Service> is replaced for as long as an Installation lives.
template <typename Service>
class Installable {
public:
    class Installation {
    public:
        explicit Installation(Service& service) : previous_(std::exchange(installed(), &service)) {}
        ~Installation() { installed() = previous_; }
        Installation(const Installation&) = delete;
        Installation& operator=(const Installation&) = delete;

    private:
        Service* previous_;
    };

protected:
    // The replacement in force; null when there is none.
    static Service*& installed() {
        static Service* service = nullptr;
        return service;
    }
};

}  // namespace corvanel
