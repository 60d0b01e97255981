#pragma once

#include <string_view>

// Every statement the store runs on a collection, one per operation of
// Database. Values are bound to the named parameters, never written into the
// text. A listing joins each card (LABELS) to its text rows (TEXTOS), so a
// document is listed once per text row and not at all without one; its
// columns are those of ListedDocument, in order.
//
// Two functions of the store's connection do the matching: LIKE ignores
// accents and letter case (MatchingFunctions::defineLike), and words_match
// asks the key-word engine (MatchingFunctions::defineWordsMatch). Titles
// sort in Portuguese order through the columns' own collation.
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
    "select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS"
    " where categoria LIKE '%' || :category || '%' and TEXTOS.cod_texto = LABELS.cod"
    " order by titulo";
inline constexpr std::string_view kListCollection =
    "select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS"
    " where TEXTOS.cod_texto = LABELS.cod"
    " order by titulo";

inline constexpr std::string_view kSearchAllSections =
    "select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS"
    " where (words_match(:words, TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod"
    " order by titulo";
inline constexpr std::string_view kSearchSection =
    "select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS"
    " where (words_match(:words, TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod"
    " and LABELS.sessao = :letter"
    " order by titulo";
inline constexpr std::string_view kSearchSubcategory =
    "select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS"
    " where (words_match(:words, TEXTOS.rowid)) and TEXTOS.cod_texto = LABELS.cod"
    " and LABELS.categoria LIKE '%' || :subcategory || '%'"
    " order by titulo";

// A document marked twice at the level is listed twice for each text row.
inline constexpr std::string_view kNarrowWords =
    "select L.titulo, L.cod, L.subtitulo, L.sessao, T.rowid from LABELS L, TEXTOS T, LABELS2 L2"
    " where (words_match(:words, T.rowid)) and T.cod_texto = L.cod and L.cod = L2.cod"
    " and L2.ctr = :level"
    " order by L.titulo";
// No order of its own: the rows come as the engine finds them.
inline constexpr std::string_view kListLevel =
    "select L.titulo, L.cod, L.subtitulo, L.sessao, T.rowid from LABELS L, TEXTOS T, LABELS2 L2"
    " where L.cod = T.cod_texto and L2.cod = L.cod and L2.ctr = :level";

inline constexpr std::string_view kListAuthors =
    "select distinct subtitulo from LABELS where sessao = 'A' order by subtitulo";

inline constexpr std::string_view kDocumentTextStart =
    "select substr(conteudo, 1, :characters) from TEXTOS where rowid = :row";

// Marks live in the connection's own temporary LABELS2 (Database).
inline constexpr std::string_view kClearAllMarks =
    "delete from LABELS2";
inline constexpr std::string_view kClearLevelMarks =
    "delete from LABELS2 where ctr = :level";
inline constexpr std::string_view kAddMark =
    "insert into LABELS2 (cod, ctr) values (:code, :level)";

// clang-format on

}  // namespace corvanel::queries
