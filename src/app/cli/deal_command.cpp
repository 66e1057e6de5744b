#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/game_setup.h"
#include "storage/saved_game.h"
#include "table/deal.h"

namespace tavolex::cli {

int RunDeal(const Options& options, std::ostream&, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options);
    // The player draws first, so the hand is saved before anyone has moved.
    game.state().PlayerStartsNext = 1;
    StartNewGame(game.table);
    if (!SaveGame(game.table, true, *options.out)) {
        return ReportBadInput(err, "cannot write " + *options.out);
    }
    return kExitOk;
}

}  // namespace tavolex::cli
