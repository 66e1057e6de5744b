// Start-up reads of the settings store: the values the table window reads, one store opening
// per read, on a settings file as a long-time player has it (players, full high-score tables
// and a full match history).
#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "storage/qt/qt_settings_store.h"

namespace tavolex {
namespace {

const char* const kLevels[] = {"Beginner", "Advanced", "Expert", "NetworkGame"};

void FillLikeALongTimePlayer(SettingsStore& store) {
    for (int n = 1; n <= 5; ++n) {
        store.WriteValue("Player Names\\PlayerName" + std::to_string(n),
                         "Player " + std::to_string(n) + ",12,7");
    }
    for (const char* level : kLevels) {
        for (const std::string& table : {std::string(level), std::string(level) + "Match"}) {
            for (int n = 1; n <= 10; ++n) {
                const std::string suffix = std::to_string(n);
                store.WriteValue(table + "\\Score" + suffix, int64_t{1000 - n});
                store.WriteValue(table + "\\Name" + suffix, std::string("Player 1"));
                store.WriteValue(table + "\\Date" + suffix, std::string("2026-01-01"));
            }
        }
    }
    for (int n = 0; n < 100; ++n) {
        store.WriteValue("MatchHistory\\Match" + std::to_string(n),
                         std::string("2026-01-01 12:00: Player 1 - Computer: 5120 - 3870, "
                                     "winner: Player 1"));
    }
    store.WriteValue("Settings\\Version", int64_t{50001});
    store.WriteValue("Settings\\Level", std::string("Expert"));
}

// About ninety values under the start-up's subkeys, present and missing ones.
std::vector<std::string> StartupPaths() {
    std::vector<std::string> paths;
    const char* const settings[] = {"Version",
                                    "Background Color",
                                    "Resolution",
                                    "Mouse Options",
                                    "Select Player on startup",
                                    "Sound",
                                    "Delay",
                                    "AutoSave",
                                    "Hint Shown",
                                    "Music Type",
                                    "Music",
                                    "Show Statusbar",
                                    "Level",
                                    "Aggression",
                                    "Card Movement",
                                    "Card Speed",
                                    "Show Highscores",
                                    "Show Turns",
                                    "Canasta Required",
                                    "Number of Canastas",
                                    "Number of Cards",
                                    "Add to Canasta",
                                    "Top Card Counts",
                                    "Initial Block",
                                    "Natural Pair",
                                    "Add Existing Meld",
                                    "Draw Extra",
                                    "Three Block",
                                    "Bonus Counts",
                                    "Initial Block for Both",
                                    "Wildcard Canasta"};
    for (const char* name : settings) paths.push_back(std::string("Settings\\") + name);
    for (const char* name :
         {"Color0", "Color1", "Type0", "Type1", "Pattern0", "Pattern1", "Filename0", "Filename1"}) {
        paths.push_back(std::string("Cardback\\") + name);
    }
    paths.push_back("Music\\File");
    paths.push_back("Music\\Dir");
    for (int n = 1; n <= 6; ++n) paths.push_back("Player Names\\PlayerName" + std::to_string(n));
    for (int event = 0; event < 14; ++event) {
        for (int n = 1; n <= 3; ++n) {
            paths.push_back("Sound\\Event" + std::to_string(event) + std::to_string(n));
        }
    }
    return paths;
}

void BM_SettingsStartupReads(benchmark::State& run) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QtSettingsStore store;
    FillLikeALongTimePlayer(store);
    const std::vector<std::string> paths = StartupPaths();
    for (auto _ : run) {
        for (const std::string& path : paths) {
            benchmark::DoNotOptimize(store.ReadValue(path, int64_t{0}));
        }
    }
    run.counters["reads"] = static_cast<double>(paths.size());
}
BENCHMARK(BM_SettingsStartupReads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
