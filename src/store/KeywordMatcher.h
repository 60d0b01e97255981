#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace corvanel {

// Finds the documents that a key-word search names: the engine behind every
// search and narrowing, which the store asks once per statement.
class KeywordMatcher {
public:
    virtual ~KeywordMatcher() = default;

    // Starts whatever the first search would otherwise wait for.
    virtual void prepareInBackground() {}

    // The text rows (TEXTOS rowids, ascending) whose own text, or whose
    // card's title, key words or sub-title, the search words are found in.
    virtual std::vector<std::int64_t> matchingTextRows(const QString& words) = 0;
};

}  // namespace corvanel
