// Saving and loading a game in the middle of a hand: the text alone, and through a file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "storage/saved_game.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

const fs::path kMidHandFile =
    fs::path(__FILE__).parent_path() / ".." / "tests" / "data" / "golden" / "mid-hand-640x480.tvx";

std::string ReadMidHandText() {
    std::ifstream in(kMidHandFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void BM_SavedGameTextRoundTrip(benchmark::State& run) {
    const ReadResult golden = ReadSavedGame(ReadMidHandText());
    if (!golden.game) {
        run.SkipWithError("the mid-hand saved game cannot be read");
        return;
    }
    Random random(1);
    FixedClock clock;
    for (auto _ : run) {
        const std::string text = WriteSavedGame(golden.game->state, 0, random, clock);
        ReadResult read = ReadSavedGame(text);
        benchmark::DoNotOptimize(read);
        run.counters["bytes"] = static_cast<double>(text.size());
    }
}
BENCHMARK(BM_SavedGameTextRoundTrip);

void BM_SavedGameFileRoundTrip(benchmark::State& run) {
    HeadlessGame game(1, 0);
    if (!LoadGame(game.table, true, kMidHandFile.string())) {
        run.SkipWithError("the mid-hand saved game cannot be loaded");
        return;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("tavolex-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::string path = (folder / "bench.tvx").string();
    for (auto _ : run) {
        if (!SaveGame(game.table, true, path) || !LoadGame(game.table, true, path)) {
            run.SkipWithError("the round trip through the file failed");
            break;
        }
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_SavedGameFileRoundTrip);

}  // namespace
}  // namespace tavolex
