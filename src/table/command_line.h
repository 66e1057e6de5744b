// What the first command-line argument asks of the start-up.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavolex {

struct StartupCommand {
    // "/ip:": the lobby opens with automatic login; no game is loaded or dealt.
    bool openLobby = false;
    // The saved game to open; none deals a new hand.
    std::optional<std::string> loadFileName;
};

// Only the first argument counts. Without one, the autosave file is opened while autosave is on;
// "/setup" (exactly) starts without a saved game; an argument containing ".tvx" (with that case)
// is the file to open. Any other argument starts without a saved game too.
StartupCommand EvaluateCommandLine(const std::vector<std::string>& arguments, bool autosaveOn,
                                   const std::string& autosavePath);

}  // namespace tavolex
