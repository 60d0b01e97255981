#pragma once

#include "ListingRequest.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace corvanel {

struct RequestFields;

// What the result list shows, as named beside the list (`Pesquisando`).
namespace scope {
inline constexpr QStringView kTodos = u"Todos";
inline constexpr QStringView kLumbra = u"Lumbra";
// Set when an author is chosen from the author list.
inline constexpr QStringView kTextosPorAutor = u"Textos por Autor";

// The scope name of a request argument (`Edit4`); empty for any other value.
QString nameOf(const QString& argument);
}  // namespace scope

// The key-word search of a section: by section letter when SUBCATOK is "0",
// otherwise by the sub-category code in SUBCAT.
WordSearch sectionSearch(const QString& sectionLetter, const RequestFields& fields);

// The search the search button runs in a scope, or none when the scope
// searches nothing.
std::optional<WordSearch> keywordSearchIn(const QString& scopeName, const RequestFields& fields);

}  // namespace corvanel
