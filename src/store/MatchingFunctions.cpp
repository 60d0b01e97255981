#include "MatchingFunctions.h"

#include "KeywordMatcher.h"
#include "Sqlite.h"
#include "TextMatching.h"

#include <algorithm>

namespace corvanel::MatchingFunctions {

namespace {

using MatchedRows = std::vector<std::int64_t>;

void like(sqlite::FunctionCall& call) {
    if (call.isNull(0) || call.isNull(1)) {
        call.setNull();
        return;
    }
    const auto* pattern = call.keep<LikePattern>(0, [&]() -> std::unique_ptr<LikePattern> {
        char32_t escape = 0;
        if (call.argumentCount() == 3) {
            const QString escapeText = QString::fromUtf8(call.utf8(2));
            if (escapeText.size() != 1) {
                call.setError(QStringLiteral("ESCAPE expression must be a single character"));
                return nullptr;
            }
            escape = escapeText.at(0).unicode();
        }
        return std::make_unique<LikePattern>(call.utf8(0), escape);
    });
    if (pattern != nullptr) {
        call.setResult(pattern->matches(call.utf8(1)));
    }
}

}  // namespace

void defineLike(sqlite::Connection& connection) {
    connection.defineFunction("like", 2, like);
    connection.defineFunction("like", 3, like);
}

// The matcher is asked once per statement; every row then looks itself up.
void defineWordsMatch(sqlite::Connection& connection, KeywordMatcher& matcher) {
    connection.defineFunction("words_match", 2, [&matcher](sqlite::FunctionCall& call) {
        if (call.isNull(0) || call.isNull(1)) {
            call.setNull();
            return;
        }
        const auto* matched = call.keep<MatchedRows>(0, [&] {
            return std::make_unique<MatchedRows>(
                matcher.matchingTextRows(QString::fromUtf8(call.utf8(0))));
        });
        if (matched != nullptr) {
            call.setResult(std::binary_search(matched->begin(), matched->end(), call.int64(1)));
        }
    });
}

}  // namespace corvanel::MatchingFunctions
