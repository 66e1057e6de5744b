// How a match ends on this side: the Disconnect command, a lost connection, a version mismatch,
// and the question when the window closes during a match.
#include <filesystem>

#include "game/rule_options.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "network/network_game.h"
#include "network/remote_opponent.h"
#include "storage/saved_game.h"

namespace tavolex {

void NetworkGame::EndNetworkGame() {
    const bool wasActive = table_.NetworkActive;
    NetworkRole = kNoNetworkGame;
    SetConnectionStatus(kNotConnected);
    view_.EnableMatchCommands(false);
    view_.LeaveGameServer();
    if (wasActive) view_.CloseMatchWindows();
    ReceiveBuffer.clear();
    OpponentRulesText.clear();
    table_.state.Rules = LoadRuleOptions(table_.settings);
    table_.ComputerLevel = table_.SavedComputerLevel;
    table_.NetworkActive = false;
    table_.DealsNextHand = true;
    // Only a match that was running hands a turn to the computer: without one, a locked player
    // means the computer's own turn is already under way.
    if (!wasActive || table_.flow == nullptr) return;
    // A take left unfinished goes back, free of charge, so the computer starts the turn from
    // the pile as it lay.
    if (table_.OpponentTakingPile) ReturnOpponentsTake(table_);
    // A finished hand whose next deal was the peer's to send is dealt here instead.
    if (table_.state.Prompt == kPromptHandOver) {
        table_.flow->DealHand(false);
    } else if (table_.state.PlayerLocked) {
        table_.flow->StartOpponentTurn();
    }
}

void NetworkGame::Disconnect() {
    if (table_.NetworkActive && !table_.dialogs.AskYesNo(kDisconnectQuestion)) return;
    EndNetworkGame();
    table_.state.PlayerLocked = 0;
}

std::string NetworkGame::SaveOnDisconnect() {
    const std::string name = ProposedFileName(OwnNetName + "_" + OpponentName());
    const std::string path = (std::filesystem::path(table_.ProgramFolder) / name).string();
    return SaveGame(table_, true, path) ? path : std::string{};
}

void NetworkGame::ConnectionLost(bool lobbyPlaying) {
    if (lobbyPlaying) {
        const std::string path = SaveOnDisconnect();
        std::string text = "Connection with " + OpponentName() + " has been terminated.\r";
        text +=
            path.empty() ? "The game could not be saved." : "The game has been saved as\r" + path;
        table_.dialogs.Information(text);
    }
    EndNetworkGame();
}

bool NetworkGame::ConfirmClose() {
    return ConnectionStatus != kConnectionEstablished || table_.dialogs.AskYesNo(kCloseQuestion);
}

}  // namespace tavolex
