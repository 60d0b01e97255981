#pragma once

#include "Database.h"

#include <QString>

#include <variant>

namespace corvanel {

// What a fill of the result list lists: one of the store's listings, with
// its values.
struct CollectionListing {};
struct CategoryListing {
    QString category;
};
struct WordSearch {
    QString words;
    SearchScope scope;
};
struct Narrowing {
    QString words;
    int previousLevel = 0;
};
struct LevelListing {
    int level = 0;
};
struct AuthorListing {};

using ListingRequest = std::variant<CollectionListing, CategoryListing, WordSearch, Narrowing,
                                    LevelListing, AuthorListing>;

// Runs a listing of documents, calling handler for every row; returns the
// number of rows. The author listing lists no documents: 0.
int listDocuments(Database& database, const ListingRequest& listing,
                  const Database::DocumentHandler& handler);

}  // namespace corvanel
