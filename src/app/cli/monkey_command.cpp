#include <chrono>
#include <cstdio>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/game_setup.h"
#include "app/cli/level_names.h"
#include "app/cli/random_actions.h"

namespace tavolex::cli {

namespace {

constexpr int kHandsPerProgressLine = 10000;

// "10000 hands, 812.5 hands per second, 990000 left" every so many hands.
std::function<void(const RandomRunReport&)> ProgressPrinter(std::ostream& out, int hands) {
    const auto start = std::chrono::steady_clock::now();
    return [&out, hands, start](const RandomRunReport& report) {
        if (report.hands % kHandsPerProgressLine != 0) return;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        char speed[32];
        std::snprintf(speed, sizeof speed, "%.1f", seconds > 0 ? report.hands / seconds : 0.0);
        out << report.hands << " hands, " << speed << " hands per second, " << hands - report.hands
            << " left" << std::endl;
    };
}

}  // namespace

int RunMonkey(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options);
    ComputerOpponent computer;
    SeatComputer(game, computer, options.opponentLevel);
    const RandomRunReport report = PlayRandomHands(
        game, options.hands, options.progress ? ProgressPrinter(out, options.hands) : nullptr);
    if (!report.violation) {
        out << report.hands << " hands, " << report.actions
            << " random actions, every check held (seed " << options.seed << ")\n";
        return kExitOk;
    }
    err << "violation after action " << report.actions << " in hand " << report.hands + 1 << ": "
        << *report.violation << '\n'
        << "reproduce: tavolex-cli monkey --opponent " << LevelName(options.opponentLevel)
        << " --hands " << options.hands << " --seed " << options.seed << SettingsArguments(options)
        << '\n'
        << "actions of that hand:";
    for (const std::string& action : report.handActions) err << ' ' << action;
    err << '\n';
    return kExitFailed;
}

}  // namespace tavolex::cli
