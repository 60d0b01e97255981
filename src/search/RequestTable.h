#pragma once

#include "SearchRequest.h"

#include <optional>

namespace corvanel {

struct RequestFields;

// The three arrangements of the window's header.
enum class HeaderLayout {
    Plain,    // search tools uncovered; scope and count 5 pixels lower
    Search,   // search tools uncovered
    Listing,  // search tools covered by the header pictures
};

// What showing the window runs for the request in its fields.
struct RequestPlan {
    HeaderLayout header = HeaderLayout::Plain;
    std::optional<SearchRequest> listing;  // none: the lists stay empty
};

// Parses the window's request fields into a request value: the request kind
// (`tipo`, compared exactly) is looked up in the request table, here and
// nowhere else.
RequestPlan planRequest(const RequestFields& fields);

}  // namespace corvanel
