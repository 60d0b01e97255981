#pragma once

#include <string_view>

// Every statement the store runs on a collection, one per operation of
// Database. Values are bound to the named parameters, never written into the
// text. A listing joins each card (LABELS) to its text rows (TEXTOS), so a
// document is listed once per text row and not at all without one; its
// columns are those of ListedDocument, in order.
//
// Listings sort by each text row's place in title order (TITLE_ORDER, see
// SearchIndex): the title in Portuguese order, then code and text row. A key-word search first puts
// the text rows the key-word engine finds into MATCHED_ROWS and lists from there. LIKE ignores
// accents and letter case (MatchingFunctions::defineLike).
namespace corvanel::queries {

// clang-format off

// Counts read the cards alone: a card without text rows counts all the same.
inline constexpr std::string_view kCountDocuments =
    "select count(*) from LABELS";
// The letter is found anywhere among the category codes, so a card filed
// under codes of two sections counts in both.
inline constexpr std::string_view kCountSection =
    "select count(*) from LABELS where categoria LIKE '%' || :letter || '%'";

inline constexpr std::string_view kReadContentRoot =
    "select tipo from CONTROLE where topo = 1";
// Every row, as the content-location screen always stored it.
inline constexpr std::string_view kStoreContentRoot =
    "update CONTROLE set tipo = :folder";

inline constexpr std::string_view kListCategory =
    "select L.titulo, L.cod, L.subtitulo, L.sessao, R.row from TITLE_ORDER R, LABELS L"
    " where L.categoria LIKE '%' || :category || '%' and L.cod = R.cod"
    " order by R.rank";

// The matched rows lead the join: a rare word reads only its own rows.
inline constexpr std::string_view kMatchedRows =
    "select L.titulo, L.cod, L.subtitulo, L.sessao, R.row from MATCHED_ROWS M"
    " cross join TITLE_ORDER R cross join LABELS L"
    " where R.row = M.row and L.cod = R.cod";
inline constexpr std::string_view kInTitleOrder =
    " order by R.rank";
// The cards a filter below lets through, for a listing from memory.
inline constexpr std::string_view kCardsPassing =
    "select L.cod from LABELS L where 1";
inline constexpr std::string_view kInSection =
    " and L.sessao = :letter";
inline constexpr std::string_view kInSubcategory =
    " and L.categoria LIKE '%' || :subcategory || '%'";

inline constexpr std::string_view kClearMatchedRows =
    "delete from MATCHED_ROWS";
inline constexpr std::string_view kAddMatchedRow =
    "insert into MATCHED_ROWS (row) values (:row)";

// A listed row's card, read as the listings read it.
inline constexpr std::string_view kCardOfRow =
    "select L.titulo, L.cod, L.subtitulo, L.sessao from LABELS L where L.cod = :code";

inline constexpr std::string_view kListAuthors =
    "select distinct subtitulo from LABELS where sessao = 'A' order by subtitulo";

inline constexpr std::string_view kDocumentTextStart =
    "select substr(conteudo, 1, :characters) from TEXTOS where rowid = :row";
inline constexpr std::string_view kDocumentTextStarts =
    "select rowid, substr(conteudo, 1, :characters) from TEXTOS "
    "where rowid in (select value from json_each(:rows))";

// clang-format on

}  // namespace corvanel::queries
