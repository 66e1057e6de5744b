#include "network/network_game.h"

#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "game/table.h"
#include "network/chat_line.h"
#include "network/peer_message.h"
#include "network/remote_opponent.h"

namespace tavolex {

namespace {

constexpr const char* kVersionMismatch =
    "You have version 50001 and your opponent has another version. Please use the same version.";
constexpr const char* kChatHint = "Resize window to see more text, right-click to change font.";

std::string CutName(std::string_view name) {
    return std::string(name.substr(0, kNetNameLength));
}

}  // namespace

NetworkGame::NetworkGame(Table& table, NetworkView& view) : table_(table), view_(view) {}

const std::string& NetworkGame::OpponentName() const {
    return table_.PeerName;
}

void NetworkGame::SetOpponentName(std::string_view name) {
    table_.PeerName = CutName(name);
}

bool NetworkGame::Active() const {
    return table_.NetworkActive;
}

void NetworkGame::SetConnectionStatus(uint8_t status) {
    ConnectionStatus = status;
    static constexpr const char* kTexts[] = {"Not connected", "Waiting for connection...",
                                             "Connection established with "};
    std::string text = kTexts[status];
    if (status == kConnectionEstablished) text += OpponentName();
    view_.ShowConnectionStatus(text);
}

void NetworkGame::StartNetworkGame(uint8_t role, const std::string& ownNetName,
                                   const std::string& opponentName) {
    NetworkRole = role;
    OwnNetName = CutName(ownNetName);
    SetOpponentName(opponentName);
    table_.DealsNextHand = role == kNetworkRoleInvited;
    table_.NetworkActive = true;
    view_.OpenChat();
    table_.state.PlayerScore = 0;
    table_.state.OpponentScore = 0;
    if (role == kNetworkRoleInvited) {
        table_.SendToken(kTokenPlayerId, OwnNetName + kFieldSeparator + kProtocolVersion);
    }
    SetConnectionStatus(kWaitingForConnection);
    view_.EnableMatchCommands(true);
}

void NetworkGame::HandShake(const PeerMessage& message) {
    SetOpponentName(message.text);
    if (message.version != kProtocolVersion) {
        table_.dialogs.Information(kVersionMismatch);
        NetworkRole = kNoNetworkGame;
        EndNetworkGame();
        return;
    }
    table_.NetworkActive = true;
    SetConnectionStatus(kConnectionEstablished);
    // A repeated handshake must not lose the level the computer returns to.
    if (table_.ComputerLevel != kRemotePlayer) table_.SavedComputerLevel = table_.ComputerLevel;
    table_.ComputerLevel = kRemotePlayer;
    if (NetworkRole == kNetworkRoleAccepted) {
        table_.SendToken(kTokenPlayerId, OwnNetName + kFieldSeparator + kProtocolVersion);
    }
    table_.SendToken(kTokenRules, RulesString(table_.state.Rules));
    if (NetworkRole == kNetworkRoleInvited && table_.flow != nullptr) table_.flow->DealHand(false);
    view_.AddChatLine("Connection established with " + OpponentName() + ". " + kChatHint, false);
}

void NetworkGame::Chat(const std::string& line) {
    view_.AddChatLine(CleanChatLine(line), true);
}

void NetworkGame::SendChat(const std::string& typed) {
    if (NetworkRole == kNoNetworkGame) return;
    const std::string line = OwnChatLine(OwnNetName, typed);
    table_.SendToken(kTokenChat, line);
    view_.AddChatLine(line, false);
}

void NetworkGame::CompareWith(std::string_view opponentRules) {
    const RuleComparison comparison = CompareRules(table_, opponentRules);
    if (!table_.NetworkActive) return;
    OpponentRulesText = comparison.opponentRulesText;
    view_.ShowRuleDifferences(comparison.differences);
}

void NetworkGame::CompareRulesAgain() {
    // Nothing to compare before the opponent's rules have arrived.
    if (OpponentRulesText.empty()) return;
    const std::string text = OpponentRulesText;
    CompareWith(text);
}

void NetworkGame::AdoptOpponentsRules() {
    if (!UseOpponentsRules(table_, OpponentRulesText)) return;
    view_.HideRuleDifferences();
}

}  // namespace tavolex
