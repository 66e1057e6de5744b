#include "table/command_line.h"

namespace tavolex {

StartupCommand EvaluateCommandLine(const std::vector<std::string>& arguments, bool autosaveOn,
                                   const std::string& autosavePath) {
    StartupCommand command;
    if (arguments.empty()) {
        if (autosaveOn) command.loadFileName = autosavePath;
        return command;
    }
    const std::string& first = arguments.front();
    if (first.find("/ip:") != std::string::npos) {
        command.openLobby = true;
    } else if (first != "/setup" && first.find(".tvx") != std::string::npos) {
        command.loadFileName = first;
    }
    return command;
}

}  // namespace tavolex
