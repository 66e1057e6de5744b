#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/game_setup.h"
#include "app/cli/level_names.h"
#include "app/cli/random_actions.h"

namespace tavolex::cli {

int RunMonkey(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options.settings);
    ComputerOpponent computer;
    SeatComputer(game, computer, options.opponentLevel);
    const RandomRunReport report = PlayRandomHands(game, options.hands);
    if (!report.violation) {
        out << report.hands << " hands, " << report.actions.size()
            << " random actions, every check held (seed " << options.seed << ")\n";
        return kExitOk;
    }
    err << "violation after action " << report.actions.size() << " in hand " << report.hands + 1
        << ": " << *report.violation << '\n'
        << "reproduce: tavolex-cli monkey --opponent " << LevelName(options.opponentLevel)
        << " --hands " << options.hands << " --seed " << options.seed
        << SettingsArguments(options.settings) << '\n'
        << "actions:";
    for (const std::string& action : report.actions) err << ' ' << action;
    err << '\n';
    return kExitFailed;
}

}  // namespace tavolex::cli
