#include <chrono>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/computer_match.h"
#include "app/cli/game_setup.h"
#include "app/cli/match_report.h"

namespace tavolex::cli {

int RunMatch(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options);
    ComputerMatch match(game, options.playerLevel, options.opponentLevel);
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::string> failure = match.PlayMatches(options.matches);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (failure) {
        err << "tavolex-cli: " << *failure << " (seed " << options.seed << ", after "
            << match.tally().hands << " hands)\n";
        return kExitFailed;
    }
    if (options.json) {
        Json report = MatchReportJson(match, seconds, options.parts);
        report["seed"] = options.seed;
        out << report.dump(1) << '\n';
    } else {
        WriteMatchReport(out, match, seconds, options.parts);
    }
    // A computer may lay down only what the player may.
    const long refused =
        match.side(kPlayerSide).refused.Total() + match.side(kOpponentSide).refused.Total();
    if (refused > 0) {
        err << "tavolex-cli: " << refused << " lay-downs the player would be refused (seed "
            << options.seed << ")\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tavolex::cli
