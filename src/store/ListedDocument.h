#pragma once

#include <QString>

#include <cstdint>

namespace corvanel {

// One row of a listing: a document's card with one of its text rows.
struct ListedDocument {
    QString title;             // titulo
    QString code;              // cod, in decimal
    QString subtitle;          // subtitulo
    QString section;           // sessao, the section letter
    std::int64_t textRow = 0;  // the TEXTOS row, for documentTextStart
};

// A listed row by its numbers alone: what a result keeps of each row.
struct ResultRow {
    std::int64_t code = 0;
    std::int64_t textRow = 0;
    bool operator==(const ResultRow&) const = default;
};

}  // namespace corvanel
