#include "SectionRequests.h"

namespace corvanel::main_window {

namespace {

const QString kBlank = QStringLiteral(" ");

QString searchKind(Section section) {
    return QLatin1Char('S') + sectionFacts(section).letter;
}

}  // namespace

QString filterCode(Section section, int itemIndex) {
    const auto items = sectionPageLayout(section).filterItems;
    if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= items.size()) {
        return {};
    }
    return items[static_cast<std::size_t>(itemIndex)].code.toString();
}

ResultRequest sectionSearch(Section section, const QString& words, int filterIndex) {
    const QString code = filterCode(section, filterIndex);
    ResultRequest request;
    request.words = words;
    request.argument = sectionFacts(section).letter.toString();
    request.kind = searchKind(section);
    request.clearsLists = true;
    request.subcategory = code.isEmpty() ? kBlank : code;
    request.subcategoryMode = code.isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
    return request;
}

ResultRequest sectionListing(Section section) {
    ResultRequest request;
    request.words = kBlank;
    request.argument = sectionFacts(section).letter.toString();
    request.kind = searchKind(section);
    request.clearsLists = true;
    // SUBCAT keeps what an earlier search left; with "0" it is not read.
    request.subcategoryMode = QStringLiteral("0");
    return request;
}

ResultRequest categoryListing(const CategoryListing& listing) {
    // A tree leaves the words, the sub-category and the lists alone.
    ResultRequest request;
    request.kind = listing.kind;
    request.argument = listing.code;
    request.adoptedSection = listing.sectionLetter;
    return request;
}

ResultRequest generalSearch() {
    ResultRequest request;
    request.words = QString();
    request.argument = kBlank;
    request.kind = QStringLiteral("T");
    request.clearsLists = true;
    return request;
}

ResultRequest emptyResultList() {
    ResultRequest request;
    request.words = kBlank;
    request.argument = kBlank;
    request.kind = kBlank;
    request.clearsLists = true;
    return request;
}

ResultRequest collectionListing() {
    ResultRequest request;
    request.argument = QStringLiteral("T");
    request.kind = QStringLiteral("G");
    request.clearsLists = true;
    return request;
}

}  // namespace corvanel::main_window
