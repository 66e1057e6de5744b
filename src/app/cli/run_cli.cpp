#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/settings_command.h"

namespace tavolex::cli {

int ReportFailure(std::ostream& err, const std::string& text) {
    err << "tavolex-cli: " << text << '\n';
    return kExitFailed;
}

int ReportBadInput(std::ostream& err, const std::string& text) {
    ReportFailure(err, text);
    return kExitBadInput;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    // The settings, lobby and netplay-compare commands have arguments of their own rather than the
    // options.
    if (!arguments.empty() && arguments[0] == "settings") {
        return RunSettingsOnGameStore({arguments.begin() + 1, arguments.end()}, out, err);
    }
    if (!arguments.empty() && arguments[0] == "lobby") {
        return RunLobby({arguments.begin() + 1, arguments.end()}, out, err);
    }
    if (!arguments.empty() && arguments[0] == "netplay-compare") {
        return RunNetplayCompare({arguments.begin() + 1, arguments.end()}, out, err);
    }
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.options) return ReportBadInput(err, parsed.error);
    const Options& options = *parsed.options;
    switch (options.command) {
        case Command::Deal:
            return RunDeal(options, out, err);
        case Command::Show:
            return RunShow(options, out, err);
        case Command::Play:
            return RunPlay(options, out, err);
        case Command::Match:
            return RunMatch(options, out, err);
        case Command::Monkey:
            return RunMonkey(options, out, err);
        case Command::Netplay:
            return RunNetplay(options, out, err);
        case Command::Help:
            return RunHelp(out);
    }
    return kExitBadInput;
}

}  // namespace tavolex::cli
