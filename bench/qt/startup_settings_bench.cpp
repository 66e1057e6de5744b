// The table window's start-up read of every setting on the real store, one opening per read,
// with a full player list, high-score tables and match history stored.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "storage/highscores.h"
#include "storage/match_history.h"
#include "storage/players.h"
#include "storage/qt/qt_settings_store.h"
#include "storage/settings_migration.h"
#include "storage/startup_settings.h"

namespace tavolex {
namespace {

void BM_ReadStartupSettings(benchmark::State& state) {
    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
    QtSettingsStore store;
    MigrateSettings(store, {home.path().toStdString(), std::nullopt, home.path().toStdString()});
    Players players;
    for (int i = 0; i < 8; ++i) AddPlayer(players, "Player " + std::to_string(i));
    SavePlayers(store, players);
    HighscoreTable table;
    for (int row = 0; row < kHighscoreRows; ++row) table.Enter(1000 - row, "2026-01-01", "Ann");
    for (int level = 0; level < kHighscoreLevels; ++level) {
        for (int kind = 0; kind < kHighscoreKinds; ++kind)
            SaveHighscoreTable(store, level, kind, table);
    }
    for (int match = 0; match < kMatchHistorySize; ++match) {
        RecordMatchHistory(store, "2026-01-01 12:00: Ann - Computer: 5100 - 3000, winner: Ann");
    }
    for (auto _ : state) benchmark::DoNotOptimize(ReadStartupSettings(store, "/opt/tavolex/"));
}
BENCHMARK(BM_ReadStartupSettings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavolex
