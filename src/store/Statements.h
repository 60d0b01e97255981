#pragma once

#include <QString>

// The complete catalogue of statements the program sends to its database.
// Each function assembles one statement from its literal pieces and values.
// Values are inserted as they are, except that a single quote inside a quoted
// value is doubled, so that words such as "d'água" search for themselves.
namespace corvanel::Statements {

// Counts and the content root.
QString collectionCount();
QString sectionCount(const QString& letter);
QString contentRootRead();
QString contentRootStore(const QString& folder);

// Listings and searches, as the catalogue writes them: titulo, cod,
// subtitulo, conteudo and sessao, or autor for the author list. What SQLite
// runs for them is worked out by SqliteDialect: the words are matched by the
// store's index and the text row (column texto) stands for conteudo.
QString keywordSearch(const QString& words);
QString sectionKeywordSearch(const QString& words, const QString& sectionLetter);
QString subcategoryKeywordSearch(const QString& words, const QString& subcategory);
QString categoryListing(const QString& category);
QString collectionListing();
QString authorList();
QString narrowingSearch(const QString& words, int previousLevel);
QString levelListing(int level);

// The first characters of column conteudo of one text row, as listed in
// column texto.
QString documentTextStart(const QString& textRow, int characters);

// Marks of the result levels.
QString clearAllMarks();
QString clearLevelMarks(int level);
QString addMark(const QString& code, int level);

// The text of a value inside single quotes, each quote in it doubled.
QString escapedForQuotes(const QString& value);

}  // namespace corvanel::Statements
