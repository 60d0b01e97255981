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
// Each text row once, however often its document was marked.
inline constexpr std::string_view kInLevel =
    " and L.cod in (select cod from LABELS2 where ctr = :level)";

inline constexpr std::string_view kClearMatchedRows =
    "delete from MATCHED_ROWS";
inline constexpr std::string_view kAddMatchedRow =
    "insert into MATCHED_ROWS (row) values (:row)";

// The rows of the level as they were listed, each once.
inline constexpr std::string_view kListLevel =
    "select L.titulo, L.cod, L.subtitulo, L.sessao, L2.textrow from LABELS2 L2"
    " cross join LABELS L"
    " where L2.ctr = :level and L.cod = L2.cod"
    " order by L2.rowid";

inline constexpr std::string_view kListAuthors =
    "select distinct subtitulo from LABELS where sessao = 'A' order by subtitulo";

inline constexpr std::string_view kDocumentTextStart =
    "select substr(conteudo, 1, :characters) from TEXTOS where rowid = :row";
inline constexpr std::string_view kDocumentTextStarts =
    "select rowid, substr(conteudo, 1, :characters) from TEXTOS "
    "where rowid in (select value from json_each(:rows))";

// Marks live in the connection's own temporary LABELS2 (Database).
inline constexpr std::string_view kClearAllMarks =
    "delete from LABELS2";
inline constexpr std::string_view kClearLevelMarks =
    "delete from LABELS2 where ctr = :level";
// A row marked twice at a level keeps its first place.
inline constexpr std::string_view kMarkRow =
    "insert or ignore into LABELS2 (cod, ctr, textrow) values (:code, :level, :row)";
inline constexpr std::string_view kMarkDocument =
    "insert or ignore into LABELS2 (cod, ctr, textrow)"
    " select cod_texto, :level, rowid from TEXTOS where cod_texto = :code order by rowid";

// clang-format on

}  // namespace corvanel::queries
