#include "ScopeNames.h"

#include "RequestFields.h"

#include <array>
#include <utility>

namespace corvanel {

namespace {

// Request argument -> scope name, in the order they are compared.
constexpr std::array<std::pair<QStringView, QStringView>, 9> kScopeNames{{
    {u"T", scope::kLumbra},
    {u"A", u"Textos"},
    {u"B", u"Legislação"},
    {u"C", u"Julgados"},
    {u"E", u"Modelos"},
    {u"D", u"Experiências"},
    {u"F", scope::kCiclosDeVida},
    {u"H", u"Julgados"},
    {u" ", scope::kTodos},
}};

// Scope name -> the section letter its searches filter by. "Julgados"
// searches letter "C" alone. Ciclos de Vida has no letter of its own in the
// cards: like its section search from the main window, it takes "A" or
// the chosen sub-category.
constexpr std::array<std::pair<QStringView, QStringView>, 6> kSectionOfScope{{
    {u"Textos", u"A"},
    {u"Legislação", u"B"},
    {u"Julgados", u"C"},
    {u"Experiências", u"D"},
    {u"Modelos", u"E"},
    {scope::kCiclosDeVida, u"A"},
}};

}  // namespace

QString scope::nameOf(const QString& argument) {
    for (const auto& [letter, name] : kScopeNames) {
        if (argument == letter) {
            return name.toString();
        }
    }
    return {};
}

WordSearch sectionSearch(const QString& sectionLetter, const RequestFields& fields) {
    return {fields.Edit3, fields.SUBCATOK == u"0" ? SearchScope::section(sectionLetter)
                                                  : SearchScope::subcategory(fields.SUBCAT)};
}

std::optional<WordSearch> keywordSearchIn(const QString& scopeName, const RequestFields& fields) {
    // "Lumbra" names the whole collection: its searches are those of "Todos".
    if (scopeName == scope::kTextosPorAutor || scopeName == scope::kTodos ||
        scopeName == scope::kLumbra) {
        return WordSearch{fields.Edit3, SearchScope::allSections()};
    }
    for (const auto& [name, letter] : kSectionOfScope) {
        if (scopeName == name) {
            return sectionSearch(letter.toString(), fields);
        }
    }
    return std::nullopt;
}

}  // namespace corvanel
