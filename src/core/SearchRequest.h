#pragma once

#include "Database.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace corvanel {

// What a front end asks the collection for, as a value. The desktop's
// request strings, corvanel-query's flags and the web addresses are parsed
// into one of these where they come in, and nowhere else.

// Every document of the collection, under section labels.
struct CollectionListing {
    bool operator==(const CollectionListing&) const = default;
};
// The documents filed under a category code of a section's tree.
struct CategoryListing {
    QString category;
    bool operator==(const CategoryListing&) const = default;
};
// The key words, found as one phrase (see Database), within a scope; found
// anywhere, or as whole words only when asked. The search button lists them
// under section labels; a section's own search and listing list them plain.
struct WordSearch {
    QString words;
    SearchScope scope;
    bool underLabels = true;
    bool wholeWords = false;
    bool operator==(const WordSearch&) const = default;

    WordMatching matching() const {
        return wholeWords ? WordMatching::WholeWords : WordMatching::Anywhere;
    }
};
// The authors of the texts: a list of names, not of documents.
struct AuthorListing {
    bool operator==(const AuthorListing&) const = default;
};

using SearchRequest = std::variant<CollectionListing, CategoryListing, WordSearch, AuthorListing>;

// Whether a request's rows are listed under section labels. Only such a
// result can be searched again: "Buscar Resultados" looks among its
// documents, and finds nothing among a plain listing's.
bool isLabelled(const SearchRequest& request);

// A request, then each narrowing in order: every narrowing searches its
// words among the documents of the step before it. Stepping back is
// dropping the last narrowing. The narrowings are all matched one way,
// wholeWords's: a front end with one "Palavra inteira" choice for its
// search box sets it and its WordSearch's alike.
struct SearchChain {
    SearchRequest request;
    QStringList narrowings;
    bool wholeWords = false;
    bool operator==(const SearchChain&) const = default;

    WordMatching narrowingMatching() const {
        return wholeWords ? WordMatching::WholeWords : WordMatching::Anywhere;
    }
};

}  // namespace corvanel
