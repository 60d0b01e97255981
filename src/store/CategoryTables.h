#pragma once

#include "Sections.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

// The program's category tables: the nodes of the category trees and the
// items of the section filters, each with the category code it lists. The
// main window draws them; the collection builder checks catalogues against
// them, so they hold no widget types.
namespace corvanel::categories {

struct TreeNode {
    int level;
    QStringView caption;
    // A category code, "X" for a heading, or in the presentation tree the
    // name of the page the node opens.
    QStringView code;
};

// A filter item and the sub-category code it narrows a search to (empty: none).
struct FilterItem {
    QStringView caption;
    QStringView code;
};

// ---------------------------------------------------------------------------
// Category trees. The theme block recurs in five trees, each with its own codes.

inline constexpr QStringView kHeading = u"X";
inline constexpr QStringView kTematica = u"Temática";
inline constexpr QStringView kOperadores = u"Operadores do Sistema de Garantia";

inline constexpr std::array<QStringView, 7> kThemes{
    u"História, Procedimentos e Princípios do Direito da Criança e do Adolescente",
    u"Direito à Vida e à Saúde",
    u"Direito à Educação, à Cultura, ao Esporte e ao Lazer",
    u"Direito à Convivência Familiar e Comunitária",
    u"Proibição do Trabalho Infantil e o Direito à Profissionalização e à Proteção no Trabalho",
    u"Direito à Liberdade, Dignidade e Respeito",
    u"Ato Infracional e Medidas Sócio-Educativas",
};

inline constexpr std::array<QStringView, 4> kOperators{
    u"Poder Judiciário",
    u"Ministério Público",
    u"Conselhos e Fundos",
    u"Advocacia",
};

template <std::size_t N>
using Nodes = std::array<TreeNode, N>;

// The seven themes, one level down.
constexpr Nodes<7> themes(const std::array<QStringView, 7>& codes) {
    Nodes<7> nodes{};
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i] = {1, kThemes[i], codes[i]};
    }
    return nodes;
}

// The operators heading and its four children.
constexpr Nodes<5> operators(QStringView caption, const std::array<QStringView, 4>& codes) {
    Nodes<5> nodes{};
    nodes[0] = {1, caption, kHeading};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        nodes[i + 1] = {2, kOperators[i], codes[i]};
    }
    return nodes;
}

template <std::size_t... N>
constexpr auto joined(const Nodes<N>&... parts) {
    Nodes<(N + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

inline constexpr auto kTextosNodes =
    joined(Nodes<3>{{{0, u"Autor", u"A01"}, {0, u"Título", u"A02"}, {0, kTematica, kHeading}}},
           themes({u"A03", u"A04", u"A05", u"A06", u"A07", u"A08", u"A09"}),
           operators(kOperadores, {u"A10", u"A11", u"A12", u"A13"}));

inline constexpr auto kLegislacaoNodes =
    joined(Nodes<6>{{{0, u"Internacional", u"B01"},
                     {0, u"Nacional", kHeading},
                     {1, u"Federal", u"B02"},
                     {1, u"Estadual", u"B03"},
                     {1, u"Atos Normativos Federais", u"B04"},
                     {0, kTematica, kHeading}}},
           themes({u"B05", u"B06", u"B07", u"B08", u"B09", u"B10", u"B11"}),
           operators(kOperadores, {u"B12", u"B13", u"B14", u"B15"}),
           Nodes<1>{{{0, u"Links de Atualização Legislativa", u"B16"}}});

// "PE" lists C44, as "Advocacia" does; C11 and C43 belong to no node.
inline constexpr Nodes<27> kStates{{
    {2, u"AC", u"C17"}, {2, u"AL", u"C18"}, {2, u"AP", u"C19"}, {2, u"AM", u"C20"},
    {2, u"BA", u"C21"}, {2, u"CE", u"C22"}, {2, u"DF", u"C23"}, {2, u"ES", u"C24"},
    {2, u"GO", u"C25"}, {2, u"MA", u"C26"}, {2, u"MT", u"C27"}, {2, u"MS", u"C28"},
    {2, u"MG", u"C29"}, {2, u"PA", u"C30"}, {2, u"PB", u"C31"}, {2, u"PE", u"C44"},
    {2, u"PR", u"C32"}, {2, u"PI", u"C33"}, {2, u"RJ", u"C34"}, {2, u"RN", u"C35"},
    {2, u"RS", u"C36"}, {2, u"RO", u"C37"}, {2, u"RR", u"C38"}, {2, u"SC", u"C39"},
    {2, u"SP", u"C40"}, {2, u"SE", u"C41"}, {2, u"TO", u"C42"},
}};

inline constexpr auto kJulgadosNodes =
    joined(Nodes<1>{{{0, kTematica, kHeading}}},
           themes({u"C01", u"C02", u"C03", u"C04", u"C05", u"C06", u"C07"}),
           operators(kOperadores, {u"C08", u"C09", u"C10", u"C44"}),
           Nodes<10>{{{0, u"Decisões Monocráticas", u"H01"},
                      {0, u"Tribunais", kHeading},
                      {1, u"Superiores", kHeading},
                      {2, u"STF", u"C12"},
                      {2, u"STJ", u"C13"},
                      {2, u"TST", u"C14"},
                      {1, u"Regionais", kHeading},
                      {2, u"TRF", u"C15"},
                      {2, u"TRT", u"C16"},
                      {1, u"Estaduais", kHeading}}},
           kStates);

inline constexpr auto kExperienciasNodes =
    joined(Nodes<3>{{{0, u"Programas, Projetos e Campanhas", u"D01"},
                     {0, u"Manuais", u"D02"},
                     {0, kTematica, kHeading}}},
           themes({u"D03", u"D04", u"D05", u"D06", u"D07", u"D08", u"D09"}),
           operators(kOperadores, {u"D10", u"D11", u"D12", u"D13"}));

inline constexpr auto kModelosNodes =
    joined(Nodes<4>{{{0, u"Iniciais", u"E01"},
                     {0, u"Recursos, Pareceres, Requerimentos e Outros", u"E02"},
                     {0, u"Termos de Ajustamento e de Cooperação e Convênios", u"E03"},
                     {0, kTematica, kHeading}}},
           themes({u"E04", u"E05", u"E06", u"E07", u"E08", u"E09", u"E10"}),
           operators(u"Operadores do Sistema de Garantias", {u"E11", u"E12", u"E13", u"E14"}));

inline constexpr Nodes<4> kCiclosNodes{{
    {0, u"Antes do Nascimento (Nascituro)", u"F01"},
    {0, u"Criança (0 a 6 anos)", u"F06"},
    {0, u"Criança/Adolescente (7 a 14 anos)", u"F11"},
    {0, u"Adolescente (12 a 18 anos)", u"F16"},
}};

// Here the codes are page names, and the operators node has no children.
inline constexpr auto kApresentacaoNodes =
    joined(Nodes<3>{{{0, u"Apresentação", u"A01"},
                     {0, u"O Conselho Editorial ", u"A02"},
                     {0, u"As Áreas Temáticas ", kHeading}}},
           themes({u"A03", u"A04", u"A05", u"A06", u"A07", u"A08", u"A09"}),
           Nodes<3>{{{1, kOperadores, u"A10"},
                     {0, u"Os Ciclos de Vida", u"A11"},
                     {0, u"Antecedentes", u"A12"}}});

// ---------------------------------------------------------------------------
// Section filters: item index -> sub-category code (empty: none).

inline constexpr std::array<FilterItem, 3> kTBoxItems{
    {{u"Todos", {}}, {u"Autor", u"A01"}, {u"Título", u"A02"}}};
inline constexpr std::array<FilterItem, 3> kLBoxItems{
    {{u"Todos", {}}, {u"Internacional", u"B01"}, {u"Nacional", u"B02"}}};
inline constexpr std::array<FilterItem, 3> kJBoxItems{
    {{u"Todos", {}}, {u"Decisões Monocráticas", u"C11"}, {u"Decisões de 2° grau", {}}}};
inline constexpr std::array<FilterItem, 3> kDBoxItems{
    {{u"Todos", {}}, {u"Prog., Proj. e Campa.", u"D01"}, {u"Manuais", u"D02"}}};
inline constexpr std::array<FilterItem, 4> kMBoxItems{
    {{u"Todos", {}}, {u"Iniciais", u"E01"}, {u"Outros", u"E02"}, {u"Termos", u"E03"}}};
inline constexpr std::array<FilterItem, 5> kComboBox3Items{{{u"Todos ", {}},
                                                            {u"Nascituro", u"F01"},
                                                            {u"0 a 6 anos", u"F06"},
                                                            {u"7 a 14 anos", u"F11"},
                                                            {u"12 a 18 anos", u"F16"}}};

// Each section's category tree and the items of its search filter.
struct SectionCategories {
    Section section;
    std::span<const TreeNode> tree;
    std::span<const FilterItem> filter;
};

inline constexpr std::array<SectionCategories, 6> kSectionCategories{{
    {Section::Textos, kTextosNodes, kTBoxItems},
    {Section::Legislacao, kLegislacaoNodes, kLBoxItems},
    {Section::Julgados, kJulgadosNodes, kJBoxItems},
    {Section::Experiencias, kExperienciasNodes, kDBoxItems},
    {Section::Modelos, kModelosNodes, kMBoxItems},
    {Section::Ciclos, kCiclosNodes, kComboBox3Items},
}};

// The codes the program lists: those of the section trees' nodes and of the
// section filters' items (headings, empty items and the presentation tree's
// page names aside), sorted, each once.
QStringList listedCategoryCodes();
// The codes a card may carry: a letter that listed codes use and two digits
// up to the highest listed number of that letter. This takes in the gaps of
// the numbering ("C43"), which a collection may use though no node lists
// them, and keeps out other letters and numbers past the tables ("Q99",
// "B17", "b02").
bool isKnownCategoryCode(QStringView code);
QStringList knownCategoryCodes();
// The codes of a card's "categoria": its words, separated by blanks.
QStringList categoryCodesOf(const QString& categoria);

}  // namespace corvanel::categories
