#include "ResultListLogic.h"

#include "Collection.h"
#include "ContentAddress.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ResultListHost.h"
#include "SearchMessages.h"

#include <QHash>

namespace corvanel {

namespace {

// The busy window for as long as an operation runs, also when it fails.
class BusyPeriod {
public:
    explicit BusyPeriod(ResultListHost& host) : host_(host) { host_.showBusy(); }
    ~BusyPeriod() { host_.hideBusy(); }
    BusyPeriod(const BusyPeriod&) = delete;
    BusyPeriod& operator=(const BusyPeriod&) = delete;

private:
    ResultListHost& host_;
};

// Rewrites the lists from empty; the host hears of it before and after,
// also when the rewriting fails half-way.
class ListsRewrite {
public:
    ListsRewrite(ResultListHost& host, ResultLines& lines) : host_(host) {
        host_.listsAboutToChange();
        lines.clear();
    }
    ~ListsRewrite() { host_.listsChanged(); }
    ListsRewrite(const ListsRewrite&) = delete;
    ListsRewrite& operator=(const ListsRewrite&) = delete;

private:
    ResultListHost& host_;
};

// A result shown again: the cards of its rows, each shown to visit when
// there is one.
SearchResult listedAgain(Database& database, const SearchResult& result,
                         const ListedRowVisitor& visit) {
    SearchResult again;
    again.labelled = result.labelled;
    listRows(database, result.rows, [&](const ListedDocument& card) {
        again.rows.push_back({card.code.toLongLong(), card.textRow});
        if (visit) {
            visit(card);
        }
    });
    return again;
}

}  // namespace

ResultListLogic::ResultListLogic(Collection& collection, ResultListHost& host,
                                 const TextLineBreaker& decisionLines)
    : host_(host),
      collection_(collection),
      decisionText_(collection, decisionLines),
      lines_(decisionText_),
      passages_(collection, lines_) {}

void ResultListLogic::showRequest() {
    BusyPeriod busy(host_);
    clearLists();
    header_ = HeaderLayout::Plain;
    passages_.setWords({}, WordMatching::Anywhere);
    found_ = {};
    // Reopens a collection that failed to open, or says why it cannot.
    collection_.database();
    levels_.reset();
    const RequestPlan plan = planRequest(fields);
    header_ = plan.header;
    SearchResult shown;
    if (plan.listing) {
        const SearchRequest& request = *plan.listing;
        // Known before the fill: the list lays its rows out with room for them.
        if (const auto* search = std::get_if<WordSearch>(&request)) {
            passages_.setWords({search->words}, search->matching());
        }
        shown = runFill(
            [&](Database& database, const ListedRowVisitor& visit) {
                return evaluate(database, request, visit);
            },
            isLabelled(request), std::holds_alternative<AuthorListing>(request));
    } else {
        rowCount_ = QString::number(0);
    }
    // Only a result under labels is searched again.
    levels_.reset(shown.labelled ? std::move(shown) : SearchResult());
    // A category request names the section of its category.
    if (!fields.adoptedSection.isEmpty()) {
        fields.argument = fields.adoptedSection;
        fields.adoptedSection.clear();
    }
    scope_ = ShownScope::ofArgument(fields.argument);
}

void ResultListLogic::search() {
    BusyPeriod busy(host_);
    openNewLevel();
    passages_.setWords(levels_.wordsInEffect(), levels_.matchingInEffect());
    SearchResult found;
    if (const std::optional<WordSearch> words = scope_.keywordSearch(fields)) {
        found = runFill(
            [&](Database& database, const ListedRowVisitor& visit) {
                return evaluate(database, *words, visit);
            },
            /*underLabels=*/true);
    } else {
        found_ = {};
        rowCount_ = QString::number(0);
    }
    levels_.setResult(std::move(found));
}

void ResultListLogic::narrow() {
    BusyPeriod busy(host_);
    // Among the rows shown when the button was pressed.
    const SearchResult among = levels_.current();
    openNewLevel(/*narrows=*/true);
    passages_.setWords(levels_.wordsInEffect(), levels_.matchingInEffect());
    SearchResult found = runFill(
        [&](Database& database, const ListedRowVisitor& visit) {
            return corvanel::narrow(database, among, fields.words, visit,
                                    levels_.matchingInEffect());
        },
        /*underLabels=*/true);
    levels_.setResult(std::move(found));
}

void ResultListLogic::stepBack() {
    if (!levels_.canStepBack()) {
        host_.showMessage(messages::kNoEarlierResults.toString());
        return;
    }
    BusyPeriod busy(host_);
    collection_.database();
    const ResultLevels::Entry& entry = levels_.stepBack();
    passages_.setWords(levels_.wordsInEffect(), levels_.matchingInEffect());
    // Whatever the window's request, the level stepped to is shown again,
    // plain.
    const SearchResult again = entry.result;
    runFill([&](Database& database,
                const ListedRowVisitor& visit) { return listedAgain(database, again, visit); },
            /*underLabels=*/false);
    fields.words = entry.words;
}

void ResultListLogic::rearrange() {
    if (passages_.words().isEmpty() || found_.rows.empty()) {
        return;
    }
    BusyPeriod busy(host_);
    const SearchResult again = found_;
    runFill([&](Database& database,
                const ListedRowVisitor& visit) { return listedAgain(database, again, visit); },
            foundUnderLabels_);
}

std::optional<DocumentToOpen> ResultListLogic::openLine(qsizetype row) {
    if (row < 0 || row >= lines_.size() || lines_.isSeparator(row)) {
        return std::nullopt;
    }
    const QString key = lines_.key(row);
    if (fields.kind == u"A01") {
        fields.kind = QStringLiteral("SA");
        scope_ = ShownScope::authorTexts();
        fields.words = key;
        search();
        return std::nullopt;
    }
    DocumentToOpen document{ContentAddress::pageAddress(collection_.contentRoot(), key),
                            key,
                            levels_.wordsInEffect(),
                            levels_.matchingInEffect(),
                            {}};
    // A text that cannot be read keeps no one from its page: it opens at
    // its first match.
    try {
        document.passage = passages_.of(row).text;
    } catch (const DatabaseError&) {
    }
    return document;
}

void ResultListLogic::hidden() {
    fields.words = QStringLiteral(" ");
}

// Empties the lists and opens the next level with the request kind and the
// words.
void ResultListLogic::openNewLevel(bool narrows) {
    clearLists();
    collection_.database();
    levels_.open(fields.kind, fields.words, narrows, fields.wholeWords);
}

int ResultListLogic::fillArranged(ListFiller& filler, const SearchResult& found) {
    Database& database = collection_.database();
    const SearchResult shown =
        arranged(database, found, passages_.words(), passages_.matching(), fields.arrangement);
    QHash<std::int64_t, int> documentRows;
    for (size_t i = 0; i < shown.documentRowCounts.size(); ++i) {
        documentRows.insert(shown.rows[i].textRow, shown.documentRowCounts[i]);
    }
    return listRows(database, shown.rows, [&](const ListedDocument& card) {
        filler.add(card, documentRows.value(card.textRow));
    });
}

void ResultListLogic::clearLists() {
    ListsRewrite rewrite(host_, lines_);
}

SearchResult ResultListLogic::runFill(const Evaluation& evaluation, bool underLabels,
                                      bool authors) {
    SearchResult result;
    {
        ListsRewrite rewrite(host_, lines_);
        ListFiller filler(lines_, underLabels);
        // Title order, every row: listed as it is found.
        const bool arranges =
            !passages_.words().isEmpty() && fields.arrangement != ResultArrangement{};
        int listed = 0;
        if (arranges) {
            result = evaluation(collection_.database(), {});
            listed = fillArranged(filler, result);
        } else {
            result = evaluation(collection_.database(),
                                [&](const ListedDocument& row) { filler.add(row); });
            listed = result.count();
        }
        filler.addAuthors(result.authors);
        rowCount_ = QString::number(listed);
        found_ = result;
        foundUnderLabels_ = underLabels;
    }
    host_.processPendingMessages();
    // An empty author list is no failed search.
    if (result.count() == 0 && !authors) {
        host_.showMessage(messages::kNothingFound.toString());
    }
    return result;
}

}  // namespace corvanel
