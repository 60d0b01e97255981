#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

class WordIndex;

// What the key-word search reads from a collection, written once when the
// collection is built so that opening it reads nothing whole:
//
// - SEARCH_TRIGRAMS: an FTS5 trigram index, without a copy of the text,
//   over each text row's searchable text (TEXTOS rowid): the card's title,
//   key words and sub-title and the row's own text, folded for search and
//   joined by line breaks (which folding never leaves, so no match runs
//   from one field into the next);
// - SEARCH_DIGEST: per text row, a digest of that text, so that a check
//   tells a text changed since it was indexed;
// - SEARCH_WORDS and SEARCH_TERMS: a word index over the same text and its
//   vocabulary (WordIndex), which answers words of letters and digits;
// - SEARCH_SHORT: the rows holding each string of one or two characters
//   (ShortStringIndex), for words the trigrams cannot find;
// - TITLE_ORDER: per text row, its card and its place in the listings'
//   order (the title in Portuguese order, then code and row), so listings
//   read small rows and sort integers instead of collating titles;
// - TEXT_OPENINGS: the first kTextOpeningCharacters characters of the text
//   of each row whose card is listed by the start of its text (court
//   decisions), so that a list reads them instead of whole texts;
// - SEARCH_FOLDING: the version of the folding the texts were written with.
namespace SearchIndex {

// FTS5 trigrams: words shorter than this are found in SEARCH_SHORT.
constexpr size_t kShortestIndexedWords = 3;

// Raised whenever folding for search changes, so that an index written by
// the rules before is known as such. An index without SEARCH_FOLDING is 1:
// it kept the blanks other than U+0020 and the tab as they were.
constexpr std::int64_t kFoldingVersion = 2;

// Collections indexed before kept a folded copy of every row's text in
// SEARCH_TEXT (row, folded), the trigrams' content, and no SEARCH_DIGEST;
// they are read as they are.
constexpr const char* kFoldedTextTable = "SEARCH_TEXT";

// Enough for the first lines a list shows of a text.
constexpr int kTextOpeningCharacters = 4000;

bool isPresent(sqlite::Connection& connection);
bool hasFoldedTextTable(sqlite::Connection& connection);
// Whether TEXT_OPENINGS is there: an index written before it was is read
// without it.
bool hasTextOpenings(sqlite::Connection& connection);
// The text rows whose stored opening differs from their text's, or that
// lack one or have one they should not (ascending).
std::vector<std::int64_t> staleTextOpenings(sqlite::Connection& connection);
// Whether SEARCH_SHORT is there: an index written before it was is
// complete otherwise, and short words are then found by reading the texts.
bool hasShortStrings(sqlite::Connection& connection);
// The version of the folding the index present was written with.
std::int64_t foldingVersion(sqlite::Connection& connection);

// Writes the tables from LABELS and TEXTOS, replacing any there were,
// inside the caller's transaction. Throws DatabaseError.
void build(sqlite::Connection& connection);
// Drops the tables, of this index or an earlier one, if there are any.
void drop(sqlite::Connection& connection);

// Writes TITLE_ORDER alone as a temporary table of the connection: enough to
// list a collection built without the index.
void createTemporaryTitleOrder(sqlite::Connection& connection);

// The searchable text of one text row, as the trigrams index it; a NULL
// field reads as empty.
void appendRowText(std::string_view title, std::string_view keywords, std::string_view subtitle,
                   std::string_view text, std::string& out);

// What SEARCH_DIGEST holds for a row's searchable text.
std::int64_t rowDigest(std::string_view folded);

// The highest text row number (TEXTOS rowid), 0 for none. The builder
// numbers rows from 1 without gaps, so a number far beyond the count of rows
// is damage, and what is sized by it (a bitmap, a table of ranks) would cost
// gigabytes: it raises DatabaseError instead. Reads an index, not the texts.
std::int64_t lastTextRow(sqlite::Connection& connection);

// The text rows (ascending) whose searchable text contains the folded
// words (searchFolded), read from the index. lastRow: lastTextRow(), asked
// when not given.
// words: the word index's vocabulary, read for this call when not given.
std::vector<std::int64_t> matchingTextRows(sqlite::Connection& connection,
                                           const std::string& foldedWords,
                                           std::optional<std::int64_t> lastRow = std::nullopt,
                                           const WordIndex* words = nullptr);

}  // namespace SearchIndex

}  // namespace corvanel
