// Marking the words searched in a page, against the time the same page
// takes to load in the same view: an 80,000-word statute written here, and
// the sample collection's largest page. Measured twice: until the reader
// sees the count and the first occurrence marked and scrolled to (what he
// waits for), and until every occurrence is marked.
//   corvanel-bench-marking [--sample-page=FILE]
#include "PageEngineSetUp.h"
#include "PageMarker.h"
#include "RatioReporter.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace corvanel {
namespace {

QString samplePage;
std::unique_ptr<QTemporaryDir> folder;

// Articles of a statute, with the accents and capitals the search ignores.
QString statutePage(int words) {
    const QStringList vocabulary =
        QStringLiteral(
            "a criança e o adolescente têm direito à educação, visando ao pleno desenvolvimento "
            "de sua pessoa, preparo para o exercício da cidadania e qualificação para o trabalho; "
            "É dever da família, da comunidade, da sociedade em geral e do poder público assegurar "
            "com absoluta prioridade a efetivação dos direitos referentes à vida, à saúde, à "
            "alimentação, à EDUCAÇÃO, ao esporte, ao lazer, à profissionalização e à guarda "
            "compartilhada nos termos do § 2º do art. 1ª parte")
            .split(u' ');
    QString page =
        QStringLiteral("<!DOCTYPE html><meta charset=\"utf-8\"><title>Estatuto</title><body>\n");
    int article = 0;
    for (int written = 0; written < words;) {
        page += QStringLiteral("<p><b>Art. %1.</b> ").arg(++article);
        if (article % 40 == 0) {
            page += QStringLiteral("Da Guarda\n  Compartilhada: ");
        }
        for (int i = 0; i < 60 && written < words; ++i, ++written) {
            page += vocabulary.at((written * 7 + article) % vocabulary.size()) + u' ';
        }
        page += QStringLiteral("</p>\n");
    }
    return page + QStringLiteral("</body>");
}

QString fileFor(const benchmark::State& state) {
    if (state.range(0) == 0) {
        return samplePage;
    }
    const QString path = folder->filePath(QStringLiteral("estatuto-%1.htm").arg(state.range(0)));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(statutePage(static_cast<int>(state.range(0))).toUtf8());
        }
    }
    return path;
}

bool load(QWebEngineView& view, const QString& file) {
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl::fromLocalFile(file));
    return loaded.wait(120000) && loaded.value(0).value(0).toBool();
}

void BM_PageLoad(benchmark::State& state) {
    QWebEngineView view;
    const QString file = fileFor(state);
    for (auto _ : state) {
        if (!load(view, file)) {
            state.SkipWithError("the page did not load");
            return;
        }
    }
}

enum class Until { FirstShown, AllMarked };

void markPage(benchmark::State& state, const QStringList& words, Until until) {
    QWebEngineView view;
    PageMarker marker(view.page());
    const QString file = fileFor(state);
    int count = 0;
    for (auto _ : state) {
        // As the viewer marks it: a page just loaded.
        state.PauseTiming();
        if (!load(view, file)) {
            state.SkipWithError("the page did not load");
            return;
        }
        QSignalSpy shown(&marker, &PageMarker::positionChanged);
        QSignalSpy finished(&marker, &PageMarker::markingFinished);
        QSignalSpy& awaited = until == Until::FirstShown ? shown : finished;
        state.ResumeTiming();
        marker.mark(words);
        if (!awaited.wait(120000)) {
            state.SkipWithError("the page was not marked");
            return;
        }
        count = marker.count();
        // The next page starts once this one is wholly marked.
        state.PauseTiming();
        if (finished.isEmpty() && !finished.wait(120000)) {
            state.SkipWithError("the marking did not finish");
            return;
        }
        state.ResumeTiming();
    }
    state.counters["marks"] = count;
}

// Rare: a phrase; common: a word found every few lines.
void BM_MarkRare(benchmark::State& state) {
    markPage(state, {QStringLiteral("guarda compartilhada")}, Until::FirstShown);
}
void BM_MarkCommon(benchmark::State& state) {
    markPage(state, {QStringLiteral("educacao")}, Until::FirstShown);
}
void BM_MarkRareWhole(benchmark::State& state) {
    markPage(state, {QStringLiteral("guarda compartilhada")}, Until::AllMarked);
}
void BM_MarkCommonWhole(benchmark::State& state) {
    markPage(state, {QStringLiteral("educacao")}, Until::AllMarked);
}

// 0: the sample page given on the command line.
BENCHMARK(BM_PageLoad)
    ->Name("Page/Load")
    ->Arg(80000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_MarkRare)
    ->Name("Viewer/MarkRare")
    ->Arg(80000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_MarkCommon)
    ->Name("Viewer/MarkCommon")
    ->Arg(80000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_MarkRareWhole)
    ->Name("Viewer/MarkRareWhole")
    ->Arg(80000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_MarkCommonWhole)
    ->Name("Viewer/MarkCommonWhole")
    ->Arg(80000)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
}  // namespace corvanel

int main(int argc, char** argv) {
    corvanel::bench::preparePageEngine();
    QApplication application(argc, argv);
    corvanel::folder = std::make_unique<QTemporaryDir>();
    corvanel::samplePage = QStringLiteral(CORVANEL_SAMPLE_PAGE);
    constexpr const char* kPageOption = "--sample-page=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kPageOption, std::strlen(kPageOption)) == 0) {
            corvanel::samplePage = QString::fromLocal8Bit(argv[i] + std::strlen(kPageOption));
        }
    }
    benchmark::Initialize(&argc, argv);
    corvanel::bench::RatioReporter reporter({{"Viewer/MarkRare/", "Page/Load/"},
                                             {"Viewer/MarkCommon/", "Page/Load/"},
                                             {"Viewer/MarkRareWhole/", "Page/Load/"},
                                             {"Viewer/MarkCommonWhole/", "Page/Load/"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    corvanel::folder.reset();
    return 0;
}
