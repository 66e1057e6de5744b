// A whole table with headless seams: what the tests and the command-line tool play on.
#pragma once

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "game/table.h"
#include "table/game_flow.h"

namespace tavolex {

struct HeadlessGame {
    explicit HeadlessGame(uint32_t seed = 1, int resolution = 1);

    HeadlessTable view;
    HeadlessDialogs dialogs;
    HeadlessSounds sounds;
    HeadlessPeer peer;
    MemorySettings settings;
    HeadlessStatistics statistics;
    FixedClock clock;
    Random random;
    Table table;
    TableFlow flow;

    GameState& state() { return table.state; }

    // Everything the seams have recorded, all their logs together.
    size_t RecordedCount() const;
    // Empties those logs and zeroes the seams' counters (a long run would otherwise keep every
    // record and overflow the counters); scripted answers stay.
    void ForgetRecords();
};

}  // namespace tavolex
