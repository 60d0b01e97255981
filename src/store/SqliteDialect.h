#pragma once

#include <QString>

// The statements of the catalogue are written in the dialect of the engine
// the collection was designed for. SQLite runs them after this translation:
//
// - "DELETE * FROM" becomes "DELETE FROM";
// - the key-word test of a search, the same pattern LIKE'd against titulo,
//   pchave, subtitulo and conteudo, becomes one call of words_match(pattern,
//   text row), which the store answers from its in-memory index of folded
//   texts instead of reading and folding every text on every search;
// - conteudo in the column list of a listing becomes the text row (column
//   texto): the few rows that show their text read its start afterwards
//   (Statements::documentTextStart), instead of every text being carried
//   through the sort.
//
// Anything else passes unchanged.
namespace corvanel::SqliteDialect {

QString translate(const QString& catalogueStatement);

}  // namespace corvanel::SqliteDialect
