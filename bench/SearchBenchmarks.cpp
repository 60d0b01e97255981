// corvanel-bench: the result list's listings and searches on a large
// generated collection.
//
//   corvanel-bench [--collection=FOLDER] [Google Benchmark options]
//
// FOLDER holds db3.mdb; without it the 20,000-document collection is
// generated once into /tmp/corvanel-bench-20000. Each search is printed
// beside plain baselines on the same data (memmem over the folded text,
// FTS5's raw answer), and the ratios close the report.
#include "Collection.h"
#include "CollectionGenerator.h"
#include "ConnectionString.h"
#include "Database.h"
#include "DisplayLineBreaker.h"
#include "Look.h"
#include "RatioReporter.h"
#include "ResultArrangement.h"
#include "ResultListHost.h"
#include "ResultListLogic.h"
#include "ResultListWindow.h"
#include "SearchIndex.h"
#include "Sqlite.h"
#include "TextIndex.h"
#include "TextMatching.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace corvanel::bench {

namespace {

QString& collectionFolder() {
    static QString folder = QStringLiteral("/tmp/corvanel-bench-20000");
    return folder;
}

QString databasePath() {
    return collectionFolder() + QStringLiteral("/db3.mdb");
}

void ensureCollection() {
    if (QFile::exists(databasePath())) {
        return;
    }
    generateCollection(databasePath(), collectionFolder() + u'/', GeneratorOptions());
}

// The logic as the window drives it, on one connection kept for every run
// of a benchmark, with its text index loaded before timing starts.
class Session {
public:
    Session()
        : collection_(connectionStringFor(collectionFolder())),
          decisionLines_(Look::sansSerif(11), ResultListLogic::kDecisionTextWidth),
          logic_(collection_, host_, decisionLines_) {
        collection_.database();
        show("T", " ");
        search(words::kRare.toString());
    }

    void show(const char* tipo, const char* edit4) {
        logic_.fields.kind = QString::fromUtf8(tipo);
        logic_.fields.argument = QString::fromUtf8(edit4);
        logic_.fields.adoptedSection.clear();
        logic_.showRequest();
    }

    void search(const QString& words) {
        logic_.fields.words = words;
        logic_.search();
    }

    void narrow(const QString& words) {
        logic_.fields.words = words;
        logic_.narrow();
    }

    const ResultListLogic& logic() const { return logic_; }

private:
    ResultListHost host_;
    Collection collection_;
    DisplayLineBreaker decisionLines_;
    ResultListLogic logic_;
};

Session& session() {
    static Session shared;
    return shared;
}

void reportLines(benchmark::State& state) {
    state.counters["rows"] = session().logic().rowCount().toDouble();
    state.counters["lines"] = static_cast<double>(session().logic().lines().size());
}

void ShowingG(benchmark::State& state) {
    session();
    for (auto _ : state) {
        session().show("G", "T");
    }
    reportLines(state);
}

void AuthorList(benchmark::State& state) {
    session();
    for (auto _ : state) {
        session().show("A01", "A01");
    }
    reportLines(state);
}

// Every search opens a level, so these runs also go far past the history's
// 101 levels.
void KeywordSearch(benchmark::State& state, QStringView words) {
    session().show("T", " ");
    for (auto _ : state) {
        session().search(words.toString());
    }
    reportLines(state);
}

void Narrowing(benchmark::State& state) {
    session().show("T", " ");
    for (auto _ : state) {
        state.PauseTiming();
        session().search(words::kCommon.toString());
        state.ResumeTiming();
        session().narrow(words::kTwoLetters.toString());
    }
    reportLines(state);
}

// The store alone: words to document codes in title order.
void QueryToOrderedCodes(benchmark::State& state, QStringView words) {
    static Database database(connectionStringFor(collectionFolder()));
    const auto search = [&](const Database::DocumentHandler& handler) {
        return database.searchWords(words.toString(), SearchScope::allSections(), handler);
    };
    int rows = search([](const ListedDocument&) {});  // loads the text index
    for (auto _ : state) {
        rows = search([](const ListedDocument& row) { benchmark::DoNotOptimize(row.code); });
    }
    state.counters["rows"] = rows;
}

// The store with whole words: the engine's rows confirmed on their folded
// text, then ordered and listed as above.
void WholeWordsToOrderedCodes(benchmark::State& state, QStringView words) {
    static Database database(connectionStringFor(collectionFolder()));
    const auto search = [&](const Database::DocumentHandler& handler) {
        return database.searchWords(words.toString(), SearchScope::allSections(), handler,
                                    WordMatching::WholeWords);
    };
    int rows = search([](const ListedDocument&) {});
    for (auto _ : state) {
        rows = search([](const ListedDocument& row) { benchmark::DoNotOptimize(row.code); });
    }
    state.counters["rows"] = rows;
}

// The core: a search's result as found (title order), and the same ordered
// by relevance.
void CoreSearch(benchmark::State& state, QStringView words, ResultOrder order) {
    static Database database(connectionStringFor(collectionFolder()));
    const WordSearch search{words.toString(), SearchScope::allSections()};
    size_t rows = 0;
    for (auto _ : state) {
        SearchResult found = evaluate(database, search);
        if (order == ResultOrder::Relevance) {
            found = orderedByRelevance(database, found, {search.words}, WordMatching::Anywhere);
        }
        rows = found.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The index alone: words to the matching text rows, unordered, unlisted.
void IndexMatchingRows(benchmark::State& state, QStringView words) {
    static sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    const std::string folded = searchFolded(words.toString().toStdString());
    if (!SearchIndex::isPresent(db)) {
        state.SkipWithError("the collection has no search index");
        return;
    }
    size_t rows = 0;
    for (auto _ : state) {
        rows = SearchIndex::matchingTextRows(db, folded).size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
// Baseline: the folded text held in memory, scanned with memmem on one
// thread (what the earlier engine did, without its loading).
void BaselineMemmem(benchmark::State& state, QStringView words) {
    static const std::atomic<bool> stop{false};
    static const TextIndex index = TextIndex::load(databasePath(), stop);
    const std::string folded = searchFolded(words.toString().toStdString());
    size_t rows = 0;
    for (auto _ : state) {
        rows = index.matchingTextRows(folded, 1).size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Baseline: FTS5's own answer to the phrase, unordered, nothing listed.
void BaselineFts5(benchmark::State& state, QStringView words) {
    static sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    const std::string folded = searchFolded(words.toString().toStdString());
    if (!SearchIndex::isPresent(db) ||
        characterCount(folded) < SearchIndex::kShortestIndexedWords) {
        state.SkipWithError("no trigram for these words");
        return;
    }
    const std::string phrase = '"' + folded + '"';
    size_t rows = 0;
    for (auto _ : state) {
        sqlite::Statement query(db,
                                "select rowid from SEARCH_TRIGRAMS where SEARCH_TRIGRAMS match ?");
        query.bindUtf8(1, phrase);
        rows = 0;
        while (query.step()) {
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The first search right after the collection is opened, as at start-up.
void FirstSearchAfterOpening(benchmark::State& state) {
    for (auto _ : state) {
        Database database(connectionStringFor(collectionFolder()));
        database.startIndexingTexts();
        benchmark::DoNotOptimize(database.searchWords(
            words::kRare.toString(), SearchScope::allSections(), [](const ListedDocument&) {}));
    }
}

void TextIndexLoad(benchmark::State& state) {
    const std::atomic<bool> stop{false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextIndex::load(databasePath(), stop).rowCount());
    }
}

// Opening the collection at start: open, count the collection and its
// sections, read the content root.
void CreationCounts(benchmark::State& state) {
    Collection collection;
    for (auto _ : state) {
        collection = Collection::open(collectionFolder());
    }
    state.counters["documents"] = collection.documentCount().value_or(0);
}

// The whole collection's listing in the window, from the request to the
// list on screen: fill, the first batch of measured rows, the first paint.
// Then, separately, every row measured and the list scrolled to its end.
class ListedWindow {
public:
    ListedWindow() {
        collection_ = Collection::open(collectionFolder());
        collection_.database().searchWords(QStringLiteral("x"), SearchScope::allSections(),
                                           [](const ListedDocument&) {});
        textos_.run(kListing);
    }
    ~ListedWindow() { textos_.hide(); }
    ListedWindow(const ListedWindow&) = delete;
    ListedWindow& operator=(const ListedWindow&) = delete;

    void listAndPaint() {
        textos_.run(kListing);
        QApplication::processEvents();
        textos_.resultList()->viewport()->repaint();
    }

    // The rows are laid out in batches between events, the last one last.
    void layOutAll() {
        const QModelIndex last = lastRow();
        while (textos_.resultList()->visualRect(last).isEmpty()) {
            QApplication::processEvents();
        }
    }

    void scrollToEndAndPaint() {
        textos_.resultList()->scrollTo(lastRow());
        textos_.resultList()->viewport()->repaint();
    }

    double lines() const { return textos_.resultList()->model()->rowCount(); }

private:
    QModelIndex lastRow() const {
        const QAbstractItemModel* model = textos_.resultList()->model();
        return model->index(model->rowCount() - 1, 0);
    }

    static inline const ResultRequest kListing{.kind = QStringLiteral("G"),
                                               .argument = QStringLiteral("T")};
    Collection collection_{connectionStringFor(collectionFolder())};
    ResultListWindow textos_{collection_};
};

void WindowListingFirstPaint(benchmark::State& state) {
    ListedWindow window;
    for (auto _ : state) {
        window.listAndPaint();
    }
    state.counters["lines"] = window.lines();
}

void WindowListingScrolledToEnd(benchmark::State& state) {
    ListedWindow window;
    for (auto _ : state) {
        window.listAndPaint();
        window.layOutAll();
        window.scrollToEndAndPaint();
    }
    state.counters["lines"] = window.lines();
}

void registerAll() {
    const auto asMilliseconds = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    asMilliseconds(benchmark::RegisterBenchmark("Creation/Counts", CreationCounts));
    asMilliseconds(benchmark::RegisterBenchmark("Showing/G", ShowingG));
    asMilliseconds(benchmark::RegisterBenchmark("Showing/AuthorList", AuthorList));
    asMilliseconds(
        benchmark::RegisterBenchmark("Window/ListingFirstPaint", WindowListingFirstPaint));
    asMilliseconds(
        benchmark::RegisterBenchmark("Window/ListingScrolledToEnd", WindowListingScrolledToEnd));
    const std::pair<const char*, QStringView> searches[] = {
        {"Rare", words::kRare},
        {"Common", words::kCommon},
        {"TwoLetters", words::kTwoLetters},
        {"Blank", words::kBlank},
    };
    for (const auto& search : searches) {
        // Named copies: a lambda may not capture a structured binding in C++20.
        const std::string name = search.first;
        const QStringView words = search.second;
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Search/") + name).c_str(),
            [words](benchmark::State& state) { KeywordSearch(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Store/QueryToOrderedCodes/") + name).c_str(),
            [words](benchmark::State& state) { QueryToOrderedCodes(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Options/WholeWords/") + name).c_str(),
            [words](benchmark::State& state) { WholeWordsToOrderedCodes(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Core/Search/") + name).c_str(),
            [words](benchmark::State& state) { CoreSearch(state, words, ResultOrder::Title); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Options/Relevance/") + name).c_str(), [words](benchmark::State& state) {
                CoreSearch(state, words, ResultOrder::Relevance);
            }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Store/IndexMatchingRows/") + name).c_str(),
            [words](benchmark::State& state) { IndexMatchingRows(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Baseline/Memmem/") + name).c_str(),
            [words](benchmark::State& state) { BaselineMemmem(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            (std::string("Baseline/FTS5/") + name).c_str(),
            [words](benchmark::State& state) { BaselineFts5(state, words); }));
    }
    asMilliseconds(benchmark::RegisterBenchmark("Search/NarrowCommonByTwoLetters", Narrowing));
    asMilliseconds(
        benchmark::RegisterBenchmark("Store/TextIndexLoad", TextIndexLoad)->Iterations(2));
    asMilliseconds(
        benchmark::RegisterBenchmark("Store/FirstSearchAfterOpening", FirstSearchAfterOpening)
            ->Iterations(3));
}

}  // namespace

}  // namespace corvanel::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(u"--collection=")) {
            corvanel::bench::collectionFolder() = argument.mid(13);
        }
    }
    corvanel::bench::ensureCollection();
    corvanel::bench::registerAll();
    corvanel::bench::RatioReporter reporter({{"Store/QueryToOrderedCodes/", "Baseline/Memmem/"},
                                             {"Store/QueryToOrderedCodes/", "Baseline/FTS5/"},
                                             {"Store/IndexMatchingRows/", "Baseline/Memmem/"},
                                             {"Store/IndexMatchingRows/", "Baseline/FTS5/"},
                                             {"Search/", "Baseline/Memmem/"},
                                             {"Options/WholeWords/", "Store/QueryToOrderedCodes/"},
                                             {"Options/Relevance/", "Core/Search/"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
