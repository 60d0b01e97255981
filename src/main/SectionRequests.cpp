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

ResultListRequest sectionSearch(Section section, const QString& words, int filterIndex) {
    const QString code = filterCode(section, filterIndex);
    ResultListRequest request;
    request.Edit3 = words;
    request.Edit4 = sectionFacts(section).letter.toString();
    request.tipo = searchKind(section);
    request.clearsLists = true;
    request.SUBCAT = code.isEmpty() ? kBlank : code;
    request.SUBCATOK = code.isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
    return request;
}

ResultListRequest sectionListing(Section section) {
    ResultListRequest request;
    request.Edit3 = kBlank;
    request.Edit4 = sectionFacts(section).letter.toString();
    request.tipo = searchKind(section);
    request.clearsLists = true;
    // SUBCAT keeps what an earlier search left; with "0" it is not read.
    request.SUBCATOK = QStringLiteral("0");
    return request;
}

ResultListRequest categoryListing(const CategoryListing& listing) {
    // A tree leaves the words, the sub-category and the lists alone.
    ResultListRequest request;
    request.tipo = listing.tipo;
    request.Edit4 = listing.code;
    request.Aux = listing.sectionLetter;
    return request;
}

ResultListRequest generalSearch() {
    ResultListRequest request;
    request.Edit3 = QString();
    request.Edit4 = kBlank;
    request.tipo = QStringLiteral("T");
    request.clearsLists = true;
    return request;
}

ResultListRequest emptyResultList() {
    ResultListRequest request;
    request.Edit3 = kBlank;
    request.Edit4 = kBlank;
    request.tipo = kBlank;
    request.clearsLists = true;
    return request;
}

ResultListRequest collectionListing() {
    ResultListRequest request;
    request.Edit4 = QStringLiteral("T");
    request.tipo = QStringLiteral("G");
    request.clearsLists = true;
    return request;
}

}  // namespace corvanel::main_window
