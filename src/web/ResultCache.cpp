#include "ResultCache.h"

#include "ResultAddress.h"

namespace corvanel::web {

std::size_t weightOf(const SearchResult& result) {
    return result.rows.size() + static_cast<std::size_t>(result.authors.size());
}

std::size_t weightOf(const std::vector<ShownRow>& rows) {
    return rows.size();
}

std::size_t weightOf(const QByteArray& written) {
    return static_cast<std::size_t>(written.size()) / 1024 + 1;
}

std::shared_ptr<const SearchResult> resultOf(ResultCache& cache, Database& database,
                                             const ResultChain& chain) {
    // The key is the address, choices and all: each arrangement is held apart.
    return cache.results.find(ResultAddress::queryOf(chain), [&] {
        SearchResult found = evaluate(database, chain.steps);
        if (chain.arrangement == ResultArrangement{}) {
            return found;
        }
        return arranged(database, found, chain.words(), chain.steps.narrowingMatching(),
                        chain.arrangement);
    });
}

std::shared_ptr<const std::vector<ShownRow>> shownPage(ResultCache& cache, Database& database,
                                                       const ResultChain& chain,
                                                       const SearchResult& result, int page) {
    const int perPage = ResultAddress::kRowsPerPage;
    return cache.pages.find(ResultAddress::queryOf(chain, page), [&] {
        std::vector<ShownRow> rows = shownRows(database, result, (page - 1) * perPage, perPage);
        // Only the page's rows: a common word's result has thousands.
        if (const QStringList words = chain.words(); !words.isEmpty()) {
            addPassages(database, rows, words, chain.steps.narrowingMatching());
        }
        return rows;
    });
}

}  // namespace corvanel::web
