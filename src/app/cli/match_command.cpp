#include <chrono>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/computer_match.h"
#include "app/cli/game_setup.h"
#include "app/cli/match_report.h"

namespace tavolex::cli {

int RunMatch(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options.settings);
    ComputerMatch match(game, options.playerLevel, options.opponentLevel);
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::string> failure = match.PlayMatches(options.matches);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (failure) {
        err << "tavolex-cli: " << *failure << " (seed " << options.seed << ", after "
            << match.hands().size() << " hands)\n";
        return kExitFailed;
    }
    if (options.json) {
        Json report = MatchReportJson(match, seconds);
        report["seed"] = options.seed;
        out << report.dump(1) << '\n';
    } else {
        WriteMatchReport(out, match, seconds);
    }
    return kExitOk;
}

}  // namespace tavolex::cli
