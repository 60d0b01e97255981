#include "ResultCache.h"

#include "ResultAddress.h"

namespace corvanel::web {

std::shared_ptr<const SearchResult> ResultCache::find(const QString& key,
                                                      const Evaluation& evaluate) {
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = byKey_.constFind(key); found != byKey_.cend()) {
            recent_.splice(recent_.begin(), recent_, *found);
            return (*found)->result;
        }
    }
    // Evaluated unlocked: other chains are answered meanwhile. Two threads
    // asking the same at once both evaluate it; the second keeps the first's.
    auto result = std::make_shared<const SearchResult>(evaluate());
    const std::size_t rows = result->rows.size() + static_cast<std::size_t>(result->authors.size());
    const std::lock_guard lock(mutex_);
    if (const auto found = byKey_.constFind(key); found != byKey_.cend()) {
        return (*found)->result;
    }
    if (rows > rowBudget_) {
        return result;
    }
    recent_.push_front({key, result});
    byKey_.insert(key, recent_.begin());
    rows_ += rows;
    while (rows_ > rowBudget_) {
        const Entry& oldest = recent_.back();
        rows_ -=
            oldest.result->rows.size() + static_cast<std::size_t>(oldest.result->authors.size());
        byKey_.remove(oldest.key);
        recent_.pop_back();
    }
    return result;
}

std::shared_ptr<const SearchResult> resultOf(ResultCache& cache, Database& database,
                                             const ResultChain& chain) {
    return cache.find(ResultAddress::queryOf(chain),
                      [&] { return evaluate(database, chain.steps); });
}

}  // namespace corvanel::web
