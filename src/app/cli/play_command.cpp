#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/game_setup.h"
#include "app/cli/state_json.h"
#include "storage/saved_game.h"

namespace tavolex::cli {

namespace {

// Message boxes may break their text into lines; the report keeps one line per action.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (!lineBreak)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}

// The action, the status line, then whatever the action made the table show.
void ReportAction(std::ostream& out, HeadlessGame& game, const PlayerAction& action, bool applied,
                  size_t messagesBefore, size_t scoringsBefore) {
    out << action.text << '\t' << game.view.status;
    if (!applied) out << "\t(its target is not on the table)";
    const auto& messages = game.dialogs.messages;
    for (size_t i = messagesBefore; i < messages.size(); ++i)
        out << '\t' << messages[i].kind << ": " << OneLine(messages[i].text);
    const auto& scorings = game.dialogs.scorings;
    for (size_t i = scoringsBefore; i < scorings.size(); ++i) {
        out << "\thand scored: player " << scorings[i].playerTotal << ", opponent "
            << scorings[i].opponentTotal;
    }
    out << '\n';
}

}  // namespace

int RunPlay(const Options& options, std::ostream& out, std::ostream& err) {
    HeadlessGame game(options.seed);
    ConfigureGame(game, options);
    ComputerOpponent computer;
    SeatComputer(game, computer, options.level);
    if (const auto failure = OpenSavedGame(game, options.file))
        return ReportBadInput(err, *failure);
    for (const PlayerAction& action : options.actions) {
        const size_t messagesBefore = game.dialogs.messages.size();
        const size_t scoringsBefore = game.dialogs.scorings.size();
        const bool applied = ApplyAction(game.table, action);
        ReportAction(out, game, action, applied, messagesBefore, scoringsBefore);
    }
    out << StateToJson(game.state(), game.view.status).dump(1) << '\n';
    if (options.out && !SaveGame(game.table, true, *options.out)) {
        return ReportBadInput(err, "cannot save the game to " + *options.out +
                                       " (an incomplete meld, or the file cannot be written)");
    }
    return kExitOk;
}

}  // namespace tavolex::cli
