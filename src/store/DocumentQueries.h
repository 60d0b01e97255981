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
// Collections built before the edition was stored lack its column.
inline constexpr std::string_view kHasEdition =
    "select count(*) from pragma_table_info('CONTROLE') where name = 'edicao'";
inline constexpr std::string_view kReadEdition =
    "select edicao from CONTROLE where topo = 1";

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

inline constexpr std::string_view kTextRowFields =
    "select L.titulo, L.pchave, L.subtitulo, T.conteudo from TEXTOS T, LABELS L"
    " where T.rowid = :row and L.cod = T.cod_texto";
inline constexpr std::string_view kDocumentTextStart =
    "select substr(conteudo, 1, :characters) from TEXTOS where rowid = :row";
inline constexpr std::string_view kDocumentTextStarts =
    "select rowid, substr(conteudo, 1, :characters) from TEXTOS "
    "where rowid in (select value from json_each(:rows))";
// The same from the openings the index stores, when they hold as many
// characters: reading a long text's start reads the whole text otherwise.
inline constexpr std::string_view kDocumentTextStartFromOpenings =
    "select coalesce((select substr(O.opening, 1, :characters) from TEXT_OPENINGS O"
    " where O.row = T.rowid and :characters <= :stored), substr(T.conteudo, 1, :characters))"
    " from TEXTOS T where T.rowid = :row";
inline constexpr std::string_view kDocumentTextStartsFromOpenings =
    "select T.rowid, coalesce((select substr(O.opening, 1, :characters) from TEXT_OPENINGS O"
    " where O.row = T.rowid and :characters <= :stored), substr(T.conteudo, 1, :characters))"
    " from TEXTOS T where T.rowid in (select value from json_each(:rows))";

// clang-format on

}  // namespace corvanel::queries
