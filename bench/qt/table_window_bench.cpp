// The table window's speed: a full paint of a busy table at 1280 x 1024, the start-up from
// creating the window to the first painted table (the splash timer not counted), and how long
// one card's visible move lasts at card speeds 10, 5 and 0. Prints the resident memory after
// start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <fstream>
#include <iostream>
#include <string>

#include "busy_table.h"
#include "game/memory_settings.h"
#include "table/qt/card_images.h"
#include "table/qt/table_canvas.h"
#include "table/qt/table_painter.h"
#include "table/qt/tvx_main.h"

namespace tavolex {
namespace {

constexpr int kLargest = 3;

void BM_FullPaintBusyTable(benchmark::State& state) {
    HeadlessGame game(1, kLargest);
    test::BuildPosition(game, test::kBusyTable);
    CardImages cards;
    cards.Build(kLargest, CardBacks{}, 1.0);
    const ScreenLayout& screen = ScreenLayoutAt(kLargest);
    QPixmap backing(screen.windowWidth, screen.windowHeight);
    for (auto _ : state) {
        QPainter painter(&backing);
        PaintTable(painter, game.table, cards, QColor(0, 128, 0), backing.rect());
    }
}
BENCHMARK(BM_FullPaintBusyTable)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstTable(benchmark::State& state) {
    QTemporaryDir folder;
    for (auto _ : state) {
        MemorySettings settings;
        settings.WriteValue("Settings\\Sound", int64_t{0});
        settings.WriteValue("Settings\\Show Turns", int64_t{0});
        // A computer that plays first would add its visible moves.
        settings.WriteValue("Settings\\Card Movement", int64_t{0});
        settings.WriteValue("Settings\\Resolution", std::string("0,0,1280x1024"));
        StartOptions options;
        options.programFolder = folder.path().toStdString() + "/";
        options.arguments = {"/setup"};
        options.startTimer = false;
        TfmTvxMain window(settings, options);
        window.show();
        window.tmSplashTimer();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.canvas()->Backing().cacheKey());
    }
}
BENCHMARK(BM_StartUpToFirstTable)->Unit(benchmark::kMillisecond)->Iterations(5);

// One card from the stock into the opponent's row, as the computer draws it.
void BM_CardMove(benchmark::State& state) {
    QTemporaryDir folder;
    MemorySettings settings;
    settings.WriteValue("Settings\\Sound", int64_t{0});
    settings.WriteValue("Settings\\Show Turns", int64_t{0});
    settings.WriteValue("Settings\\Card Speed", int64_t{state.range(0)});
    settings.WriteValue("Settings\\Resolution", std::string("0,0,800x600"));
    StartOptions options;
    options.programFolder = folder.path().toStdString() + "/";
    options.arguments = {"/setup"};
    options.startTimer = false;
    TfmTvxMain window(settings, options);
    window.show();
    const TableLayout& layout = window.table().layout;
    const CardRecord card = MakeCard(1, 0);
    for (auto _ : state) {
        window.ShowCardMove(card, layout.LeftMargin, layout.StockTop, 300, 5, false);
    }
}
BENCHMARK(BM_CardMove)
    ->Arg(10)
    ->Arg(5)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

std::string ResidentMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return line;
    }
    return "VmRSS: unknown";
}

}  // namespace
}  // namespace tavolex

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::cout << "after start-up and benchmarks, " << tavolex::ResidentMemory() << "\n";
    benchmark::Shutdown();
    return 0;
}
