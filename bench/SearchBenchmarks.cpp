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
#include "SampledText.h"
#include "SearchIndex.h"
#include "Sqlite.h"
#include "TextIndex.h"
#include "TextMatching.h"
#include "WordIndex.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>

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
void KeywordSearch(benchmark::State& state, const QString& words) {
    session().show("T", " ");
    for (auto _ : state) {
        session().search(words);
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

Database& storeDatabase() {
    static Database database(connectionStringFor(collectionFolder()));
    return database;
}

sqlite::Connection& readOnlyConnection() {
    static sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    return db;
}

const TextIndex& memoryIndex() {
    static const std::atomic<bool> stop{false};
    static const TextIndex index = TextIndex::load(databasePath(), stop);
    return index;
}

// The store alone: words to document codes in title order.
int orderedCodes(const QString& words) {
    return storeDatabase().searchWords(
        words, SearchScope::allSections(),
        [](const ListedDocument& row) { benchmark::DoNotOptimize(row.code); });
}

// The index alone: words to the matching text rows, unordered, unlisted.
size_t indexRows(const std::string& folded) {
    // The vocabulary read once, as the program's matcher keeps it.
    static const std::optional<WordIndex> words =
        WordIndex::isPresent(readOnlyConnection())
            ? std::optional<WordIndex>(std::in_place, readOnlyConnection())
            : std::nullopt;
    return SearchIndex::matchingTextRows(readOnlyConnection(), folded, std::nullopt,
                                         words ? &*words : nullptr)
        .size();
}

// Baseline: the folded text held in memory, scanned with memmem on one
// thread (what the earlier engine did, without its loading).
size_t memmemRows(const std::string& folded) {
    return memoryIndex().matchingTextRows(folded, 1).size();
}

// Baseline: FTS5's own answer to the phrase, unordered, nothing listed.
size_t fts5Rows(const std::string& folded) {
    std::string phrase = "\"";
    for (const char c : folded) {
        phrase += c;
        if (c == '"') {
            phrase += '"';
        }
    }
    phrase += '"';
    sqlite::Statement query(readOnlyConnection(),
                            "select rowid from SEARCH_TRIGRAMS where SEARCH_TRIGRAMS match ?");
    query.bindUtf8(1, phrase);
    size_t rows = 0;
    while (query.step()) {
        ++rows;
    }
    return rows;
}

bool hasTrigrams(const std::string& folded) {
    return SearchIndex::isPresent(readOnlyConnection()) &&
           characterCount(folded) >= SearchIndex::kShortestIndexedWords;
}

void QueryToOrderedCodes(benchmark::State& state, const QString& words) {
    int rows = orderedCodes(words);  // loads the text index
    for (auto _ : state) {
        rows = orderedCodes(words);
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

using FoldedEngine = size_t (*)(const std::string& folded);

void FoldedRows(benchmark::State& state, const QString& words, FoldedEngine engine,
                bool needsTrigrams) {
    const std::string folded = searchFolded(words.toStdString());
    if (needsTrigrams && !hasTrigrams(folded)) {
        state.SkipWithError("no trigram for these words");
        return;
    }
    size_t rows = engine(folded);
    for (auto _ : state) {
        rows = engine(folded);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The processor time of this thread: on a machine others share, wall time
// measures them too.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    constexpr double kMillisecondsPerSecond = 1e3;
    constexpr double kNanosecondsPerMillisecond = 1e6;
    return static_cast<double>(now.tv_sec) * kMillisecondsPerSecond +
           static_cast<double>(now.tv_nsec) / kNanosecondsPerMillisecond;
}

// Many words once each, every one timed: the spread is what a reader feels.
// Wall time and the thread's processor time, each as median, p90 and most.
void EachOfSampled(benchmark::State& state, const std::vector<std::string>& pieces,
                   const std::function<void(const std::string&)>& answer) {
    std::vector<double> wall;
    std::vector<double> processor;
    for (auto _ : state) {
        wall.clear();
        processor.clear();
        for (const std::string& piece : pieces) {
            const auto start = std::chrono::steady_clock::now();
            const double startProcessor = threadMilliseconds();
            answer(piece);
            processor.push_back(threadMilliseconds() - startProcessor);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    const auto report = [&](std::vector<double>& milliseconds, const std::string& prefix) {
        std::sort(milliseconds.begin(), milliseconds.end());
        const auto at = [&](double share) {
            return milliseconds[static_cast<size_t>(share *
                                                    static_cast<double>(milliseconds.size() - 1))];
        };
        state.counters[prefix + "median_ms"] = at(0.5);
        state.counters[prefix + "p90_ms"] = at(0.9);
        state.counters[prefix + "max_ms"] = milliseconds.back();
    };
    state.counters["queries"] = static_cast<double>(wall.size());
    report(wall, "");
    report(processor, "cpu_");
}

// Pieces of the texts themselves, 3 to 30 characters: words, parts of words,
// phrases, punctuation, as a reader types them.
const std::vector<std::string>& randomSubstrings() {
    static const std::vector<std::string> pieces = sampledText(databasePath(), 150, 3, 30, 23);
    return pieces;
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

// A common word searched in the window, from the search button to the list
// on screen: in a window just opened on the collection (the first search),
// and again in one that has searched before.
class SearchingWindow {
public:
    SearchingWindow() { textos_.run(kWordSearch); }
    ~SearchingWindow() { textos_.hide(); }
    SearchingWindow(const SearchingWindow&) = delete;
    SearchingWindow& operator=(const SearchingWindow&) = delete;

    void searchAndPaint() {
        textos_.search();
        QApplication::processEvents();
        textos_.resultList()->viewport()->repaint();
    }

    double lines() const { return textos_.resultList()->model()->rowCount(); }

private:
    static inline const ResultRequest kWordSearch{.kind = QStringLiteral("T"),
                                                  .words = words::kCommon.toString(),
                                                  .argument = QStringLiteral(" ")};
    Collection collection_{Collection::open(collectionFolder())};
    ResultListWindow textos_{collection_};
};

void WindowCommonWordFirstPaint(benchmark::State& state) {
    double lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<SearchingWindow>();
        state.ResumeTiming();
        window->searchAndPaint();
        state.PauseTiming();
        lines = window->lines();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}

void WindowCommonWordLaterPaint(benchmark::State& state) {
    SearchingWindow window;
    window.searchAndPaint();
    for (auto _ : state) {
        window.searchAndPaint();
    }
    state.counters["lines"] = window.lines();
}

// The file's pages by table (an FTS5 index's own tables under its name),
// beside the size of the texts it indexes.
void printTableSizes() {
    sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement texts(db, "select sum(length(cast(conteudo as blob))) from TEXTOS");
    texts.step();
    const double megabyte = 1e6;
    std::printf("%-28s %10.1f MB\n", "texts (TEXTOS.conteudo)",
                static_cast<double>(texts.int64(0)) / megabyte);
    try {
        sqlite::Statement tables(
            db,
            "select coalesce((select T.name from sqlite_master T where T.type = 'table' and "
            "D.name like T.name || '\\_%' escape '\\' and T.sql like 'CREATE VIRTUAL%'), "
            "(select I.tbl_name from sqlite_master I where I.type = 'index' and I.name = D.name), "
            "D.name) as owner, sum(D.pgsize) from dbstat D group by owner order by 2 desc");
        while (tables.step()) {
            std::printf("%-28s %10.1f MB\n", tables.text(0).toUtf8().constData(),
                        static_cast<double>(tables.int64(1)) / megabyte);
        }
    } catch (const DatabaseError& error) {
        std::printf("dbstat: %s\n", error.message().toUtf8().constData());
    }
    std::fflush(stdout);
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
    asMilliseconds(
        benchmark::RegisterBenchmark("Window/CommonWordFirstPaint", WindowCommonWordFirstPaint));
    asMilliseconds(
        benchmark::RegisterBenchmark("Window/CommonWordLaterPaint", WindowCommonWordLaterPaint));
    // A passage of a text pasted whole as the words.
    const std::vector<std::string> passage = sampledText(databasePath(), 1, 2500, 2500, 5);
    const std::vector<std::pair<std::string, QString>> searches = {
        {"Rare", words::kRare.toString()},
        {"Common", words::kCommon.toString()},
        {"TwoLetters", words::kTwoLetters.toString()},
        {"Blank", words::kBlank.toString()},
        {"Phrase/conselho_tutelar", QStringLiteral("conselho tutelar")},
        {"Phrase/direito_da_crianca", QStringLiteral("direito da criança")},
        {"Phrase/do_conselho", QStringLiteral("do conselho")},
        {"Phrase/ar_do_con", QStringLiteral("ar do con")},
        {"Passage2500", passage.empty() ? QString() : QString::fromStdString(passage.front())},
    };
    for (const auto& search : searches) {
        // Named copies: a lambda may not capture a structured binding in C++20.
        const std::string name = search.first;
        const QString words = search.second;
        asMilliseconds(benchmark::RegisterBenchmark(
            ("Search/" + name).c_str(),
            [words](benchmark::State& state) { KeywordSearch(state, words); }));
        asMilliseconds(benchmark::RegisterBenchmark(
            ("Store/QueryToOrderedCodes/" + name).c_str(),
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
        const std::pair<const char*, std::pair<FoldedEngine, bool>> engines[] = {
            {"Store/IndexMatchingRows/", {indexRows, false}},
            {"Baseline/Memmem/", {memmemRows, false}},
            {"Baseline/FTS5/", {fts5Rows, true}},
        };
        for (const auto& prefixed : engines) {
            const auto engine = prefixed.second;
            asMilliseconds(benchmark::RegisterBenchmark(
                (prefixed.first + name).c_str(), [words, engine](benchmark::State& state) {
                    FoldedRows(state, words, engine.first, engine.second);
                }));
        }
    }
    const std::pair<const char*, std::function<void(const std::string&)>> sampledEngines[] = {
        {"Store/QueryToOrderedCodes/RandomSubstrings",
         [](const std::string& piece) { orderedCodes(QString::fromStdString(piece)); }},
        {"Store/IndexMatchingRows/RandomSubstrings",
         [](const std::string& piece) { indexRows(searchFolded(piece)); }},
        {"Baseline/Memmem/RandomSubstrings",
         [](const std::string& piece) { memmemRows(searchFolded(piece)); }},
        {"Baseline/FTS5/RandomSubstrings",
         [](const std::string& piece) {
             if (hasTrigrams(searchFolded(piece))) {
                 fts5Rows(searchFolded(piece));
             }
         }},
    };
    for (const auto& sampled : sampledEngines) {
        const std::function<void(const std::string&)> answer = sampled.second;
        asMilliseconds(
            benchmark::RegisterBenchmark(sampled.first, [answer](benchmark::State& state) {
                EachOfSampled(state, randomSubstrings(), answer);
            })->Iterations(1));
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
    corvanel::bench::printTableSizes();
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
