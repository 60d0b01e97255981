#include "RequestTable.h"

#include "RequestFields.h"
#include "ScopeNames.h"

#include <array>
#include <utility>

namespace corvanel {

namespace {

// Section searches and listings: request kind -> section letter. Ciclos de
// Vida ("SF") searches the letter "A", as its total counts it.
constexpr std::array<std::pair<QStringView, QStringView>, 6> kSectionRequests{{
    {u"SA", u"A"},
    {u"SB", u"B"},
    {u"SC", u"C"},
    {u"SD", u"D"},
    {u"SE", u"E"},
    {u"SF", u"A"},
}};

constexpr std::array<QStringView, 7> kCategoryRequests{u"A", u"B", u"C", u"D",
                                                       u"E", u"F", u"H"};

RequestPlan listing(ListingRequest what, FillKind fill) {
    return {HeaderLayout::Listing, std::move(what), fill};
}

}  // namespace

RequestPlan planRequest(const RequestFields& fields) {
    const QString& kind = fields.tipo;
    // The general search waits for the user's words.
    if (kind == u"T") {
        return {HeaderLayout::Search, std::nullopt, FillKind::Plain};
    }
    for (const auto& [request, letter] : kSectionRequests) {
        if (kind == request) {
            return listing(sectionSearch(letter.toString(), fields), FillKind::Plain);
        }
    }
    if (kind == u"G") {
        return listing(CollectionListing{}, FillKind::Labelled);
    }
    if (kind == u"A01") {
        return listing(AuthorListing{}, FillKind::Plain);
    }
    for (const QStringView request : kCategoryRequests) {
        if (kind == request) {
            return listing(CategoryListing{fields.Edit4}, FillKind::Plain);
        }
    }
    return {};
}

}  // namespace corvanel
