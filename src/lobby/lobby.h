// The lobby's logic: logging in and out, the lobby room and its lists, public chat, every
// game-server event, and the invitation exchange that pairs two players for a match. It runs
// without a window; the lobby window forwards its controls' events here and shows what it is
// told through LobbyView. The one Lobby lives as long as the program, as TLobby does.
#pragma once

#include <string>
#include <vector>

#include "lobby/game_server.h"
#include "lobby/lobby_seams.h"
#include "lobby/lobby_state.h"

namespace tavolex {

class Dialogs;
class SettingsStore;

// What the user has entered in the window's fields.
struct LobbyForm {
    std::string nickname;                  // edNickname (already cleaned by CleanNickname)
    uint8_t lobbyType = kLobbyJustForFun;  // rgLobbyType
    std::string privateRoom;               // edPrivateLobby (already cleaned by CleanPrivateRoom)
};

inline constexpr const char* kPrivateRoomMissing =
    "Please enter the name of the private lobby room in the \"Private Room\" field.\n"
    "Only people who know this name can log in to the private lobby.\n\n"
    "This is often used for tournaments, or when you want to play with a particular person "
    "only.";
inline constexpr const char* kSupportAddress = "support@tavolex.invalid";

class Lobby {
  public:
    // events: where the connection's events go (the table window, which hands each one back to
    // GameServerEvent).
    Lobby(GameServer& server, GameServerWindow& events, GameServerAddressSource& addresses,
          LobbyHost& host, Dialogs& dialogs, SettingsStore& settings);

    TLobby& State() { return lobby_; }
    const TLobby& State() const { return lobby_; }
    // Set by a successful invitation; read by the peer protocol.
    const NetworkMatch& Match() const { return match_; }
    // The lobby room's players and the matches being played, as last reported by the server.
    const std::vector<std::string>& AvailablePlayers() const { return players_; }
    const std::vector<std::string>& NowPlaying() const { return nowPlaying_; }

    // The window exists from WindowShown to WindowClosed; while it does not, status texts are
    // dropped and only invitations, a lost connection and a vanished opponent are handled.
    void AttachView(LobbyView* view) { view_ = view; }
    // The window is shown (after it has read its settings): asks for the lists when still
    // logged in, otherwise clears them and logs in when autoLogin (the "/ip:" start-up).
    void WindowShown(const LobbyForm& form, bool autoLogin);

    // btLogin.
    void Login(const LobbyForm& form);
    // btLogout.
    void Logout();
    // rgLobbyType changed.
    void ChangeLobbyType(uint8_t lobbyType, const std::string& privateRoom);
    // btSendChat; the window empties the input itself.
    void SendChat(const std::string& text);
    // btInvite, or a double-click on a player while btInvite is enabled.
    void Invite(const std::string& player);
    // btStopWaiting.
    void Cancel();
    // Whether the window may close now (State 0, 2 or 6).
    bool MayClose() const;

    // One game-server event (code, text ending in a carriage return). Returns true when this
    // event arranged a match (State became 6): with the window shown it has already been asked
    // to close with OK; with it hidden the table window calls StartNetworkGame at once. The
    // table window keeps event 2121 for itself while State is 6 and the window is closed.
    bool GameServerEvent(int code, const std::string& text);

    // The handler of a received invitation's command; its status text, possibly empty.
    std::string HandleInvitation(const std::string& eventText);
    // WM_INVITED after the beep: asks the player whether to accept Opponent's invitation.
    void AnswerInvitation();
    // The match agreed in the lobby begins. For now it only records that the match started;
    // the roles and names are in Match().
    void StartNetworkGame();

  private:
    void AddChatLine(const std::string& line);
    void UpdateControls();
    void ShowPlayers();
    void Report(const std::string& text);
    void Send(const std::string& nickname, const std::string& command);
    void ConnectAndLogin(const LobbyForm& form);
    bool FetchAddress();
    void LobbyRoomJoined(const std::string& room);
    void OpponentGone();

    GameServer& server_;
    GameServerWindow& events_;
    GameServerAddressSource& addresses_;
    LobbyHost& host_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    LobbyView* view_ = nullptr;
    TLobby lobby_;
    NetworkMatch match_;
    bool busy_ = false;
    std::vector<std::string> players_;
    std::vector<std::string> matchList_;  // the room list being collected
    std::vector<std::string> nowPlaying_;
};

}  // namespace tavolex
