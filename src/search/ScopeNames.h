#pragma once

#include "SearchRequest.h"
#include "Sections.h"

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
}  // namespace scope

// What the search button searches, decided once when a request is shown:
// the scope's name beside the list, and where its searches look.
struct ShownScope {
    enum class Searches { Nothing, AllSections, Section };

    QString name;
    Searches searches = Searches::Nothing;
    const SectionFacts* section = nullptr;  // for Searches::Section

    // The scope of a request argument (`Edit4`): a section's letter, "T" for
    // the whole collection, " " for every section; nothing for anything else.
    static ShownScope ofArgument(const QString& argument);
    // The author's texts: every section, by the author's name.
    static ShownScope authorTexts();

    // The search button's search for the fields' words; none when the scope
    // searches nothing.
    std::optional<WordSearch> keywordSearch(const RequestFields& fields) const;
};

// The key-word search of a section: by section letter when SUBCATOK is "0",
// otherwise by the sub-category code in SUBCAT; under labels or plain; whole
// words when the fields ask for them.
WordSearch sectionSearch(const SectionFacts& section, const RequestFields& fields,
                         bool underLabels);

}  // namespace corvanel
