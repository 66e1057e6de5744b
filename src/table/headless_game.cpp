#include "table/headless_game.h"

namespace tavolex {

HeadlessGame::HeadlessGame(uint32_t seed, int resolution)
    : random(seed),
      table(Seams{view, dialogs, sounds, peer, settings, statistics, clock}, random),
      flow(table) {
    table.ReseedFromClock = false;
    table.Resolution = resolution;
    table.layout = ComputeTableLayout(resolution);
    table.TableShowing = false;
}

}  // namespace tavolex
