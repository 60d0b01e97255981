#pragma once

namespace corvanel {

class KeywordMatcher;

namespace sqlite {
class Connection;
}

// The SQL functions through which the store's statements match texts.
namespace MatchingFunctions {

// like(pattern, text [, escape]): SQLite's LIKE operator, made to ignore
// accents as well as letter case.
void defineLike(sqlite::Connection& connection);

// words_match(words, text row): whether matcher finds the search words for
// that text row. matcher must outlive the connection.
void defineWordsMatch(sqlite::Connection& connection, KeywordMatcher& matcher);

}  // namespace MatchingFunctions

}  // namespace corvanel
