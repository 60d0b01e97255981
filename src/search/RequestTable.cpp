#include "RequestTable.h"

#include "RequestFields.h"
#include "ScopeNames.h"
#include "Sections.h"

#include <utility>

namespace corvanel {

namespace {

RequestPlan listing(SearchRequest what) {
    return {HeaderLayout::Listing, std::move(what)};
}

}  // namespace

RequestPlan planRequest(const RequestFields& fields) {
    const QString& kind = fields.kind;
    // The general search waits for the user's words.
    if (kind == u"T") {
        return {HeaderLayout::Search, std::nullopt};
    }
    // "S" and a section's letter: its search or listing, plain.
    if (kind.size() == 2 && kind.startsWith(u'S')) {
        const SectionFacts* section = sectionOfLetter(QStringView(kind).mid(1));
        if (section != nullptr && section->letter == QStringView(kind).mid(1)) {
            return listing(sectionSearch(*section, fields, /*underLabels=*/false));
        }
    }
    if (kind == u"G") {
        return listing(CollectionListing{});
    }
    if (kind == u"A01") {
        return listing(AuthorListing{});
    }
    // A section's letter: a category of its tree.
    if (sectionOfLetter(kind) != nullptr) {
        return listing(CategoryListing{fields.argument});
    }
    return {};
}

}  // namespace corvanel
