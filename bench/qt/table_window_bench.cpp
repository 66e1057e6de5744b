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
#include <memory>
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

// A silent table window in a folder of its own, the delayed start-up left to the caller.
struct QuietWindow {
    QuietWindow(const std::string& resolution, int cardSpeed, bool cardMovement) {
        settings.WriteValue("Settings\\Sound", int64_t{0});
        settings.WriteValue("Settings\\Show Turns", int64_t{0});
        settings.WriteValue("Settings\\Card Movement", int64_t{cardMovement});
        settings.WriteValue("Settings\\Card Speed", int64_t{cardSpeed});
        settings.WriteValue("Settings\\Resolution", "0,0," + resolution);
        StartOptions options;
        options.programFolder = folder.path().toStdString() + "/";
        options.arguments = {"/setup"};
        options.startTimer = false;
        window = std::make_unique<TfmTvxMain>(settings, options);
        window->show();
    }
    QTemporaryDir folder;
    MemorySettings settings;
    std::unique_ptr<TfmTvxMain> window;
};

void BM_StartUpToFirstTable(benchmark::State& state) {
    for (auto _ : state) {
        // A computer that plays first would add its visible moves.
        QuietWindow quiet("1280x1024", 10, false);
        quiet.window->tmSplashTimer();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(quiet.window->canvas()->Backing().cacheKey());
    }
}
BENCHMARK(BM_StartUpToFirstTable)->Unit(benchmark::kMillisecond)->Iterations(5);

// One card from the stock into the opponent's row, as the computer draws it.
void BM_CardMove(benchmark::State& state) {
    QuietWindow quiet("800x600", static_cast<int>(state.range(0)), true);
    const TableLayout& layout = quiet.window->table().layout;
    const CardRecord card = MakeCard(1, 0);
    for (auto _ : state) {
        quiet.window->ShowCardMove(card, layout.LeftMargin, layout.StockTop, 300, 5, false);
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
