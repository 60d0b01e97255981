#pragma once

#include "SearchResult.h"
#include "ShownRows.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <list>
#include <memory>
#include <mutex>

namespace corvanel::web {

// What a cached value counts against its cache's budget: its rows, or a
// written page's kibibytes.
std::size_t weightOf(const SearchResult& result);
std::size_t weightOf(const std::vector<ShownRow>& rows);
std::size_t weightOf(const QByteArray& written);

// The values asked for lately, shared by the worker threads: paging through
// a result, or many readers asking the same, evaluates it once. It only
// spares work (a value follows from the collection and its key alone), so
// the server still keeps no state a reader could see; the cache lives and
// dies with one opening of the collection.
template <typename Value>
class RecentValues {
public:
    // At most this much held in all, in what weightOf() counts (rows).
    explicit RecentValues(std::size_t budget) : budget_(budget) {}

    using Evaluation = std::function<Value()>;
    // The value for key, evaluated by evaluate when not held.
    std::shared_ptr<const Value> find(const QString& key, const Evaluation& evaluate) {
        {
            const std::lock_guard lock(mutex_);
            if (const auto found = byKey_.constFind(key); found != byKey_.cend()) {
                recent_.splice(recent_.begin(), recent_, *found);
                return (*found)->value;
            }
        }
        // Evaluated unlocked: other keys are answered meanwhile. Two threads
        // asking the same at once both evaluate it; the second keeps the first's.
        auto value = std::make_shared<const Value>(evaluate());
        const std::size_t weight = weightOf(*value);
        const std::lock_guard lock(mutex_);
        if (const auto found = byKey_.constFind(key); found != byKey_.cend()) {
            return (*found)->value;
        }
        if (weight > budget_) {
            return value;
        }
        recent_.push_front({key, value, weight});
        byKey_.insert(key, recent_.begin());
        held_ += weight;
        while (held_ > budget_) {
            const Entry& oldest = recent_.back();
            held_ -= oldest.weight;
            byKey_.remove(oldest.key);
            recent_.pop_back();
        }
        return value;
    }

private:
    struct Entry {
        QString key;
        std::shared_ptr<const Value> value;
        std::size_t weight;
    };

    std::mutex mutex_;
    std::list<Entry> recent_;  // the most recently used first
    QHash<QString, typename std::list<Entry>::iterator> byKey_;
    std::size_t held_ = 0;
    std::size_t budget_;
};

// The results of chains, the pages of them shown lately as the desktop lists
// their rows, and those pages as the site wrote them.
struct ResultCache {
    explicit ResultCache(std::size_t resultRows = 4'000'000, std::size_t shownRows = 20'000,
                         std::size_t writtenKibibytes = std::size_t{16} * 1024)
        : results(resultRows), pages(shownRows), writtenPages(writtenKibibytes) {}

    RecentValues<SearchResult> results;
    RecentValues<std::vector<ShownRow>> pages;
    RecentValues<QByteArray> writtenPages;
};

struct ResultChain;

// A chain's result, through the cache.
std::shared_ptr<const SearchResult> resultOf(ResultCache& cache, Database& database,
                                             const ResultChain& chain);
// The rows of page (from 1) of a chain's result, through the cache.
std::shared_ptr<const std::vector<ShownRow>> shownPage(ResultCache& cache, Database& database,
                                                       const ResultChain& chain,
                                                       const SearchResult& result, int page);

}  // namespace corvanel::web
