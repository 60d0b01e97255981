#include "SearchResult.h"

namespace corvanel {

int SearchResult::count() const {
    return static_cast<int>(authors.isEmpty() ? rows.size() : authors.size());
}

QSet<std::int64_t> SearchResult::narrowableDocuments() const {
    QSet<std::int64_t> documents;
    if (!labelled) {
        return documents;
    }
    documents.reserve(static_cast<qsizetype>(rows.size()));
    for (const ResultRow& row : rows) {
        documents.insert(row.code);
    }
    return documents;
}

namespace {

// Keeps each listed row's numbers, and shows the card to the visitor.
Database::DocumentHandler collecting(SearchResult& result, const ListedRowVisitor& visit) {
    return [&result, &visit](const ListedDocument& card) {
        result.rows.push_back({card.code.toLongLong(), card.textRow});
        if (visit) {
            visit(card);
        }
    };
}

}  // namespace

SearchResult evaluate(Database& database, const SearchRequest& request,
                      const ListedRowVisitor& visit) {
    SearchResult result;
    result.labelled = isLabelled(request);
    const Database::DocumentHandler collect = collecting(result, visit);
    struct Run {
        Database& database;
        SearchResult& result;
        const Database::DocumentHandler& collect;

        void operator()(const CollectionListing&) const { database.listCollection(collect); }
        void operator()(const CategoryListing& listing) const {
            database.listCategory(listing.category, collect);
        }
        void operator()(const WordSearch& search) const {
            database.searchWords(search.words, search.scope, collect, search.matching());
        }
        void operator()(const AuthorListing&) const {
            database.listAuthors([this](const QString& author) { result.authors << author; });
        }
    };
    std::visit(Run{database, result, collect}, request);
    return result;
}

SearchResult narrow(Database& database, const SearchResult& previous, const QString& words,
                    const ListedRowVisitor& visit, WordMatching matching) {
    SearchResult result;
    result.labelled = true;
    database.narrowWords(words, previous.narrowableDocuments(), collecting(result, visit),
                         matching);
    return result;
}

SearchResult evaluate(Database& database, const SearchChain& chain, const ListedRowVisitor& visit) {
    if (chain.narrowings.isEmpty()) {
        return evaluate(database, chain.request, visit);
    }
    SearchResult result = evaluate(database, chain.request);
    for (qsizetype step = 0; step < chain.narrowings.size(); ++step) {
        const bool last = step + 1 == chain.narrowings.size();
        result = narrow(database, result, chain.narrowings[step], last ? visit : ListedRowVisitor(),
                        chain.narrowingMatching());
    }
    return result;
}

int listRows(Database& database, std::span<const ResultRow> rows, const ListedRowVisitor& visit) {
    return database.listRows(rows, visit);
}

}  // namespace corvanel
