#include "ScopeNames.h"

#include "RequestFields.h"

namespace corvanel {

ShownScope ShownScope::ofArgument(const QString& argument) {
    // "Lumbra" names the whole collection: its searches are those of "Todos".
    if (argument == u"T") {
        return {scope::kLumbra.toString(), Searches::AllSections};
    }
    if (argument == u" ") {
        return {scope::kTodos.toString(), Searches::AllSections};
    }
    if (const SectionFacts* section = sectionOfLetter(argument)) {
        return {section->name.toString(), Searches::Section, section};
    }
    return {};
}

ShownScope ShownScope::authorTexts() {
    return {scope::kTextosPorAutor.toString(), Searches::AllSections};
}

std::optional<WordSearch> ShownScope::keywordSearch(const RequestFields& fields) const {
    switch (searches) {
        case Searches::AllSections:
            return WordSearch{fields.words, SearchScope::allSections(), true, fields.wholeWords};
        case Searches::Section:
            return sectionSearch(*section, fields, /*underLabels=*/true);
        case Searches::Nothing:
            break;
    }
    return std::nullopt;
}

// A section's searches filter by the card letter its total counts ("SF"
// searches Ciclos de Vida's "A").
WordSearch sectionSearch(const SectionFacts& section, const RequestFields& fields,
                         bool underLabels) {
    return {fields.words,
            fields.subcategoryMode == u"0" ? SearchScope::section(section.cardLetter.toString())
                                           : SearchScope::subcategory(fields.subcategory),
            underLabels, fields.wholeWords};
}

}  // namespace corvanel
