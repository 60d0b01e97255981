#include "ResultListLogic.h"

#include "Collection.h"
#include "ContentAddress.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ResultListHost.h"
#include "SearchMessages.h"

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
    passages_.setWords({});
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
            passages_.setWords({search->words});
        }
        shown = runFill(
            [&](Database& database, const ListedRowVisitor& visit) {
                return evaluate(database, request, visit);
            },
            isLabelled(request), std::holds_alternative<AuthorListing>(request));
    }
    rowCount_ = QString::number(shown.count());
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
    passages_.setWords(levels_.wordsInEffect());
    SearchResult found;
    if (const std::optional<WordSearch> words = scope_.keywordSearch(fields)) {
        found = runFill(
            [&](Database& database, const ListedRowVisitor& visit) {
                return evaluate(database, *words, visit);
            },
            /*underLabels=*/true);
    }
    rowCount_ = QString::number(found.count());
    levels_.setResult(std::move(found));
}

void ResultListLogic::narrow() {
    BusyPeriod busy(host_);
    // Among the rows shown when the button was pressed.
    const SearchResult among = levels_.current();
    openNewLevel(/*narrows=*/true);
    passages_.setWords(levels_.wordsInEffect());
    SearchResult found = runFill(
        [&](Database& database, const ListedRowVisitor& visit) {
            return corvanel::narrow(database, among, fields.words, visit);
        },
        /*underLabels=*/true);
    rowCount_ = QString::number(found.count());
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
    passages_.setWords(levels_.wordsInEffect());
    // Whatever the window's request, the level stepped to is shown again,
    // plain.
    const std::vector<ResultRow>& rows = entry.result.rows;
    const SearchResult listed = runFill(
        [&](Database& database, const ListedRowVisitor& visit) {
            SearchResult again;
            listRows(database, rows, [&](const ListedDocument& card) {
                again.rows.push_back({card.code.toLongLong(), card.textRow});
                visit(card);
            });
            return again;
        },
        /*underLabels=*/false);
    rowCount_ = QString::number(listed.count());
    fields.words = entry.words;
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
    levels_.open(fields.kind, fields.words, narrows);
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
        result =
            evaluation(collection_.database(), [&](const ListedDocument& row) { filler.add(row); });
        filler.addAuthors(result.authors);
    }
    host_.processPendingMessages();
    // An empty author list is no failed search.
    if (result.count() == 0 && !authors) {
        host_.showMessage(messages::kNothingFound.toString());
    }
    return result;
}

}  // namespace corvanel
