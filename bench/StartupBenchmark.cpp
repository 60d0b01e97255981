// Start-up to the main window on screen: the splash, every window, the
// database opened and counted. Run offscreen from the build folder:
//   QT_QPA_PLATFORM=offscreen build/bin/corvanel-bench-startup [--program-folder=DIR]
// DIR holds db3.mdb (default: this program's own folder, where the build puts
// the sample collection's).
#include "ContrastSetting.h"
#include "CorvanelApplication.h"
#include "MainWindow.h"
#include "PageEngineSetUp.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

QString programFolder;

void BM_StartupToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        corvanel::CorvanelApplication corvanel(programFolder);
        corvanel.start();
        QApplication::processEvents();
        benchmark::DoNotOptimize(corvanel.mainWindow());
        state.PauseTiming();
        corvanel.mainWindow()->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// What a start without a stored look spends asking the desktop whether it
// wants high contrast (GTK_THEME, the portal, then GNOME's key).
void BM_AskDesktopForHighContrast(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(corvanel::ContrastSetting::askDesktop());
    }
}
BENCHMARK(BM_AskDesktopForHighContrast)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    corvanel::bench::preparePageEngine();
    QApplication application(argc, argv);
    programFolder = QCoreApplication::applicationDirPath();
    constexpr const char* kFolderOption = "--program-folder=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kFolderOption, std::strlen(kFolderOption)) == 0) {
            programFolder = QString::fromLocal8Bit(argv[i] + std::strlen(kFolderOption));
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
