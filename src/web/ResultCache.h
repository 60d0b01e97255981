#pragma once

#include "SearchResult.h"

#include <QHash>
#include <QString>

#include <functional>
#include <list>
#include <memory>
#include <mutex>

namespace corvanel::web {

// The results of the chains asked for lately, shared by the worker threads:
// paging through a result, or many readers asking the same, evaluates it
// once. It only spares work (a result is a value of the collection and the
// chain), so the server still keeps no state a reader could see; a result
// of an earlier opening of the collection is never given.
class ResultCache {
public:
    // At most this many rows held in all.
    explicit ResultCache(std::size_t rowBudget = 4'000'000) : rowBudget_(rowBudget) {}

    using Evaluation = std::function<SearchResult()>;
    // The result for key, evaluated by evaluate when not held.
    std::shared_ptr<const SearchResult> find(const QString& key, const Evaluation& evaluate);

private:
    struct Entry {
        QString key;
        std::shared_ptr<const SearchResult> result;
    };

    std::mutex mutex_;
    std::list<Entry> recent_;  // the most recently used first
    QHash<QString, std::list<Entry>::iterator> byKey_;
    std::size_t rows_ = 0;
    std::size_t rowBudget_;
};

struct ResultChain;

// A chain's result, through the cache.
std::shared_ptr<const SearchResult> resultOf(ResultCache& cache, Database& database,
                                             const ResultChain& chain);

}  // namespace corvanel::web
