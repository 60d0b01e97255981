#include "ResultListLogic.h"

#include "Collection.h"
#include "ContentAddress.h"
#include "Database.h"
#include "ListFiller.h"
#include "ResultListHost.h"
#include "ScopeNames.h"
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
                                 const QFont& windowFont)
    : host_(host),
      decisionFont_(windowFont),
      decisionLines_(windowFont, kDecisionTextWidth),
      collection_(collection),
      decisionText_(collection, decisionLines_),
      lines_(decisionText_) {}

void ResultListLogic::showRequest() {
    BusyPeriod busy(host_);
    clearLists();
    header_ = HeaderLayout::Plain;
    Database& database = collection_.database();
    database.clearAllMarks();
    levels_.reset();
    const RequestPlan plan = planRequest(fields);
    header_ = plan.header;
    int rows = 0;
    if (plan.listing) {
        rows = runFill(database, *plan.listing, plan.fill);
    }
    // A category request names the section of its category.
    if (!fields.adoptedSection.isEmpty()) {
        fields.argument = fields.adoptedSection;
        fields.adoptedSection.clear();
    }
    scopeName_ = scope::nameOf(fields.argument);
    rowCount_ = QString::number(rows);
}

void ResultListLogic::search() {
    BusyPeriod busy(host_);
    Database& database = openNewLevel();
    int rows = 0;
    if (const auto words = keywordSearchIn(scopeName_, fields)) {
        rows = runFill(database, *words, FillKind::Labelled);
    }
    rowCount_ = QString::number(rows);
}

void ResultListLogic::narrow() {
    BusyPeriod busy(host_);
    Database& database = openNewLevel(/*narrows=*/true);
    const int rows = runFill(database, Narrowing{fields.words, level() - 1}, FillKind::Labelled);
    rowCount_ = QString::number(rows);
}

void ResultListLogic::stepBack() {
    if (!levels_.canStepBack()) {
        host_.showMessage(messages::kNoEarlierResults.toString());
        return;
    }
    BusyPeriod busy(host_);
    Database& database = collection_.database();
    database.clearLevelMarks(level());
    const ResultLevels::Entry entry = levels_.stepBack();
    // Whatever the window's request, the level shown is the one stepped to.
    const int rows = runFill(database, LevelListing{level()}, FillKind::Plain);
    rowCount_ = QString::number(rows);
    fields.words = entry.words;
}

std::optional<DocumentToOpen> ResultListLogic::openLine(qsizetype row) {
    if (row < 0 || row >= lines_.size() || lines_.isSeparator(row)) {
        return std::nullopt;
    }
    const QString key = lines_.key(row);
    if (fields.kind == u"A01") {
        fields.kind = QStringLiteral("SA");
        scopeName_ = scope::kTextosPorAutor.toString();
        fields.words = key;
        search();
        return std::nullopt;
    }
    return DocumentToOpen{ContentAddress::pageAddress(collection_.contentRoot(), key), key,
                          levels_.wordsInEffect()};
}

void ResultListLogic::hidden() {
    fields.words = QStringLiteral(" ");
}

// Empties the lists and opens the next level with the request kind and the
// words; a level let go takes its marks along.
Database& ResultListLogic::openNewLevel(bool narrows) {
    clearLists();
    Database& database = collection_.database();
    if (const auto letGo = levels_.open(fields.kind, fields.words, narrows)) {
        database.clearLevelMarks(*letGo);
    }
    return database;
}

void ResultListLogic::clearLists() {
    ListsRewrite rewrite(host_, lines_);
}

int ResultListLogic::runFill(Database& database, const ListingRequest& listing, FillKind fill) {
    int rows = 0;
    {
        ListsRewrite rewrite(host_, lines_);
        ListFiller filler(database, lines_);
        rows = filler.fill(listing,
                           fill == FillKind::Labelled ? std::optional<int>(level()) : std::nullopt);
    }
    host_.processPendingMessages();
    // An empty author list is no failed search.
    if (rows == 0 && !std::holds_alternative<AuthorListing>(listing)) {
        host_.showMessage(messages::kNothingFound.toString());
    }
    return rows;
}

}  // namespace corvanel
