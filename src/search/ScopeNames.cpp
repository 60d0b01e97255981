#include "ScopeNames.h"

#include "RequestFields.h"
#include "Sections.h"

namespace corvanel {

QString scope::nameOf(const QString& argument) {
    if (argument == u"T") {
        return kLumbra.toString();
    }
    if (argument == u" ") {
        return kTodos.toString();
    }
    const SectionFacts* section = sectionOfLetter(argument);
    return section != nullptr ? section->name.toString() : QString();
}

WordSearch sectionSearch(const QString& sectionLetter, const RequestFields& fields) {
    return {fields.words, fields.subcategoryMode == u"0"
                              ? SearchScope::section(sectionLetter)
                              : SearchScope::subcategory(fields.subcategory)};
}

std::optional<WordSearch> keywordSearchIn(const QString& scopeName, const RequestFields& fields) {
    // "Lumbra" names the whole collection: its searches are those of "Todos".
    if (scopeName == scope::kTextosPorAutor || scopeName == scope::kTodos ||
        scopeName == scope::kLumbra) {
        return WordSearch{fields.words, SearchScope::allSections()};
    }
    // A section's searches filter by the card letter its total counts.
    if (const SectionFacts* section = sectionNamed(scopeName)) {
        return sectionSearch(section->cardLetter.toString(), fields);
    }
    return std::nullopt;
}

}  // namespace corvanel
