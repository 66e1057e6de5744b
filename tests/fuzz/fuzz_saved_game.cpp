// Any bytes as a saved game: the reader must refuse them or accept them whole, and what it
// accepts must write and read back to the same game.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/headless_seams.h"
#include "game/random.h"
#include "storage/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavolex;
    const ReadResult read = ReadSavedGame({reinterpret_cast<const char*>(data), size});
    if (!read.game) return 0;

    Random random(static_cast<uint32_t>(size));
    FixedClock clock;
    clock.milliseconds = 86'400'000;
    const SavedGame& game = *read.game;
    const ReadResult again = ReadSavedGame(WriteSavedGame(game.state, game.layout, random, clock));
    if (!again.game || !(again.game->state == game.state) || again.game->layout != game.layout ||
        again.game->peerText != game.peerText) {
        std::abort();
    }
    return 0;
}
