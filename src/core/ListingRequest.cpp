#include "ListingRequest.h"

namespace corvanel {

int listDocuments(Database& database, const ListingRequest& listing,
                  const Database::DocumentHandler& handler) {
    struct Run {
        Database& database;
        const Database::DocumentHandler& handler;

        int operator()(const CollectionListing&) const { return database.listCollection(handler); }
        int operator()(const CategoryListing& l) const {
            return database.listCategory(l.category, handler);
        }
        int operator()(const WordSearch& l) const {
            return database.searchWords(l.words, l.scope, handler);
        }
        int operator()(const Narrowing& l) const {
            return database.narrowWords(l.words, l.previousLevel, handler);
        }
        int operator()(const LevelListing& l) const { return database.listLevel(l.level, handler); }
        int operator()(const AuthorListing&) const { return 0; }
    };
    return std::visit(Run{database, handler}, listing);
}

}  // namespace corvanel
