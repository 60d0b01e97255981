#pragma once

#include <cstddef>

namespace corvanel::web {

// What a request may hold before it is refused with a 4xx page. The HTTP
// library's own memory limit per connection stays above these, as a backstop.
struct RequestLimits {
    static constexpr std::size_t kPath = 1024;
    static constexpr std::size_t kQuery = std::size_t{8} * 1024;
    static constexpr std::size_t kArguments = 64;
    static constexpr std::size_t kHeaders = 64;
    static constexpr std::size_t kHeaderBytes = std::size_t{16} * 1024;
    // The library also files every argument of the query in this memory
    // (thousands of them still get their 414), and clears all of it before
    // each request of a kept connection: no larger than that needs.
    static constexpr std::size_t kConnectionMemory = std::size_t{160} * 1024;
    // A client that sends nothing for this long is let go.
    static constexpr unsigned kIdleSeconds = 15;
    static constexpr unsigned kConnections = 1000;
};

}  // namespace corvanel::web
