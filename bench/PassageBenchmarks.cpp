// corvanel-bench-passages: a common word's first screen in the result-list
// window, from the search to the list painted, with the rows' words in
// context and without them, in one run; the ratio closes the report.
//
//   corvanel-bench-passages [--collection=FOLDER] [Google Benchmark options]
//
// FOLDER holds db3.mdb; without it the 20,000-document collection is
// generated once into /tmp/corvanel-bench-20000.
#include "Collection.h"
#include "CollectionGenerator.h"
#include "ConnectionString.h"
#include "RatioReporter.h"
#include "ResultListWindow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace corvanel::bench {

namespace {

QString& collectionFolder() {
    static QString folder = QStringLiteral("/tmp/corvanel-bench-20000");
    return folder;
}

void ensureCollection() {
    const QString database = collectionFolder() + QStringLiteral("/db3.mdb");
    if (!QFile::exists(database)) {
        generateCollection(database, collectionFolder() + u'/', GeneratorOptions());
    }
}

// The window searching all texts, its text index loaded before timing.
class SearchingWindow {
public:
    explicit SearchingWindow(bool passages) {
        collection_ = Collection::open(collectionFolder());
        textos_.setPassagesShown(passages);
        textos_.run({.kind = QStringLiteral("T"),
                     .words = QStringLiteral(" "),
                     .argument = QStringLiteral(" "),
                     .clearsLists = true});
        search(words::kRare.toString());
    }
    ~SearchingWindow() { textos_.hide(); }
    SearchingWindow(const SearchingWindow&) = delete;
    SearchingWindow& operator=(const SearchingWindow&) = delete;

    void search(const QString& words) {
        textos_.searchBox()->setText(words);
        textos_.search();
        QApplication::processEvents();
        textos_.resultList()->viewport()->repaint();
    }

    double lines() const { return textos_.resultList()->model()->rowCount(); }

private:
    Collection collection_{connectionStringFor(collectionFolder())};
    ResultListWindow textos_{collection_};
};

// Passages are kept while the words stay: another search between runs
// makes each run work them out anew.
void FirstScreen(benchmark::State& state, bool passages) {
    SearchingWindow window(passages);
    for (auto _ : state) {
        state.PauseTiming();
        window.search(words::kRare.toString());
        state.ResumeTiming();
        window.search(words::kCommon.toString());
    }
    state.counters["lines"] = window.lines();
}

void registerAll() {
    for (const auto& [name, passages] : {std::pair{"WithPassages/CommonFirstScreen", true},
                                         std::pair{"WithoutPassages/CommonFirstScreen", false}}) {
        const bool shown = passages;
        benchmark::RegisterBenchmark(
            name, [shown](benchmark::State& state) { FirstScreen(state, shown); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
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
    // The same first screen without passages is the baseline.
    corvanel::bench::RatioReporter reporter(
        {std::pair<std::string, std::string>{"WithPassages/", "WithoutPassages/"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
