#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/game_setup.h"
#include "app/cli/state_json.h"

namespace tavolex::cli {

int RunShow(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game;
    ConfigureGame(game, options);
    if (const auto failure = OpenSavedGame(game, options.file))
        return ReportBadInput(err, *failure);
    out << StateToJson(game.state(), game.view.status).dump(1) << '\n';
    return kExitOk;
}

}  // namespace tavolex::cli
