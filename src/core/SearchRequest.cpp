#include "SearchRequest.h"

namespace corvanel {

bool isLabelled(const SearchRequest& request) {
    if (const auto* search = std::get_if<WordSearch>(&request)) {
        return search->underLabels;
    }
    return std::holds_alternative<CollectionListing>(request);
}

}  // namespace corvanel
