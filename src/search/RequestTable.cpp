#include "RequestTable.h"

#include "RequestFields.h"
#include "ScopeNames.h"
#include "Sections.h"

#include <utility>

namespace corvanel {

namespace {

RequestPlan listing(ListingRequest what, FillKind fill) {
    return {HeaderLayout::Listing, std::move(what), fill};
}

}  // namespace

RequestPlan planRequest(const RequestFields& fields) {
    const QString& kind = fields.kind;
    // The general search waits for the user's words.
    if (kind == u"T") {
        return {HeaderLayout::Search, std::nullopt, FillKind::Plain};
    }
    // "S" and a section's letter: its search or listing, filtered by the card
    // letter its total counts ("SF" searches Ciclos de Vida's "A").
    if (kind.size() == 2 && kind.startsWith(u'S')) {
        const SectionFacts* section = sectionOfLetter(QStringView(kind).mid(1));
        if (section != nullptr && section->letter == QStringView(kind).mid(1)) {
            return listing(sectionSearch(section->cardLetter.toString(), fields), FillKind::Plain);
        }
    }
    if (kind == u"G") {
        return listing(CollectionListing{}, FillKind::Labelled);
    }
    if (kind == u"A01") {
        return listing(AuthorListing{}, FillKind::Plain);
    }
    // A section's letter: a category of its tree.
    if (sectionOfLetter(kind) != nullptr) {
        return listing(CategoryListing{fields.argument}, FillKind::Plain);
    }
    return {};
}

}  // namespace corvanel
