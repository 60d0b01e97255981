#pragma once

#include "ListingRequest.h"

#include <optional>

namespace corvanel {

struct RequestFields;

// The three arrangements of the window's header.
enum class HeaderLayout {
    Plain,    // search tools uncovered; scope and count 5 pixels lower
    Search,   // search tools uncovered
    Listing,  // search tools covered by the header pictures
};

// How a listing of documents fills the lists.
enum class FillKind {
    Plain,     // numbered blocks
    Labelled,  // a section label before each block, and a mark per row
};

// What showing the window runs for the request in its fields.
struct RequestPlan {
    HeaderLayout header = HeaderLayout::Plain;
    std::optional<ListingRequest> listing;  // none: the lists stay empty
    FillKind fill = FillKind::Plain;
};

// Looks the request kind (`tipo`, compared exactly) up in the request table.
RequestPlan planRequest(const RequestFields& fields);

}  // namespace corvanel
