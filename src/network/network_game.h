// One table's network match: the handshake, the received messages and their dispatch, the chat
// and the rule differences, and the end of the match by disconnecting, a lost connection or a
// version mismatch.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lobby/lobby_state.h"
#include "network/network_view.h"

namespace tavolex {

class Table;
struct PeerMessage;

// ConnectionStatus.
enum ConnectionStatusCode : uint8_t {
    kNotConnected = 0,
    kWaitingForConnection = 1,
    kConnectionEstablished = 2,
};

inline constexpr const char* kProtocolVersion = "501";
inline constexpr const char* kCloseQuestion =
    "You have a network game running. Are you sure you want to quit?";
inline constexpr const char* kDisconnectQuestion = "Are you sure you want to disconnect?";

class NetworkGame {
  public:
    NetworkGame(Table& table, NetworkView& view);
    NetworkGame(const NetworkGame&) = delete;
    NetworkGame& operator=(const NetworkGame&) = delete;

    uint8_t NetworkRole = kNoNetworkGame;
    std::string OwnNetName;
    uint8_t ConnectionStatus = kNotConnected;
    // The opponent's rules as last compared: each field followed by the separator.
    std::string OpponentRulesText;
    // Received text not yet dispatched: whole messages and perhaps the start of one more.
    std::string ReceiveBuffer;

    // The remote player's nickname; the table's texts use the same name.
    const std::string& OpponentName() const;
    void SetOpponentName(std::string_view name);
    bool Active() const;

    // Game-server event 2121 while the match runs: "<sender> <command>\r". The command is
    // appended to the buffer.
    void ReceiveGameCommand(std::string_view eventText);
    // Appends received command text and asks for a dispatch unless dispatching is suspended.
    void Receive(std::string_view commandText);
    // Applies every whole message in the buffer, in order. A call from inside a receiver (a
    // modal box's nested event loop) returns at once: the running call goes on through the
    // buffer, so nothing is lost or reordered.
    void DispatchReceived();

    // The invitation succeeded and the lobby window has closed. role: kNetworkRoleInvited deals.
    void StartNetworkGame(uint8_t role, const std::string& ownNetName,
                          const std::string& opponentName);
    // Ends the match on this side: the computer takes over a remote turn, the player's own rules
    // come back and the game server is left.
    void EndNetworkGame();
    // The "&Disconnect" command.
    void Disconnect();
    // Saves the game as "<own>_<opponent>.tvx" in the program's folder; the full path.
    std::string SaveOnDisconnect();
    // Game-server events 1991 and 2072 while the lobby window is closed; lobbyPlaying: the lobby
    // state was Playing.
    void ConnectionLost(bool lobbyPlaying);
    // Asked when the table window closes; false keeps the program open.
    bool ConfirmClose();

    // Enter in the chat window's input line.
    void SendChat(const std::string& typed);
    // The "&Rule Differences..." command, and the Rules dialog closed with OK during a match.
    void CompareRulesAgain();
    // "Use Opponent's Rules".
    void AdoptOpponentsRules();

  private:
    void SetConnectionStatus(uint8_t status);
    void CompareWith(std::string_view opponentRules);
    // Runs one message's receiver; false when it refused the message and changed nothing.
    bool Apply(const PeerMessage& message);
    void HandShake(const PeerMessage& message);
    void Chat(const std::string& line);

    Table& table_;
    NetworkView& view_;
    bool dispatching_ = false;
};

}  // namespace tavolex
