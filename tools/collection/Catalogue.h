#pragma once

#include "Card.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace corvanel::collection {

// One document line of the catalogue.
struct CatalogueEntry {
    int line = 0;          // 1-based line number in the file
    Card card;             // texts filled only when hasText
    bool hasText = false;  // "conteudo" was given; otherwise the page is read
};

struct CatalogueRules {
    // Category codes that no tree or filter of the program lists are
    // refused unless allowed (a collection made for a later program).
    bool allowUnknownCodes = false;
};

// Parses a catalogue in JSON Lines: one object per line with "cod" (a positive
// whole number) and the strings "titulo", "subtitulo", "sessao", "categoria",
// "pchave" (missing ones are empty), plus an optional "conteudo" that is a
// string or a list of strings. Blank lines are skipped. Any fault (invalid
// JSON, a missing or repeated cod, a field of the wrong type, an unknown
// field, a section or category code the program does not know) throws
// BuildError as "<fileName>:<line>: <reason>".
QList<CatalogueEntry> parseCatalogue(const QByteArray& data, const QString& fileName,
                                     const CatalogueRules& rules = {});

// Reads and parses the catalogue file at path.
QList<CatalogueEntry> readCatalogue(const QString& path, const CatalogueRules& rules = {});

}  // namespace corvanel::collection
