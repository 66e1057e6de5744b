// A Lobby over recording seams: every library call, chat line and posted invitation is kept
// as text, so a test reads like the exchange it checks.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "lobby/lobby.h"

namespace tavolex {

// Recorded lines as one text, joined by " | ".
inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? " | " : "") + lines[i];
    return text;
}

class ScriptedGameServer : public GameServer {
  public:
    int GS_Connect(const std::string& host, int port, GameServerWindow*) override {
        Call("Connect " + host + ":" + std::to_string(port));
        if (connectResults.empty()) return 0;
        const int result = connectResults.front();
        connectResults.pop_front();
        return result;
    }
    int GS_Login(const std::string& nickname, const std::string& password,
                 const std::string& gameId) override {
        return Call("Login " + nickname + " " + password + " " + gameId);
    }
    int GS_Register(const std::string& nickname, const std::string& password, const std::string&,
                    const std::string&, const std::string&, int, const std::string&,
                    const std::string&, const std::string&, const std::string&, const std::string&,
                    const std::string& gameId) override {
        return Call("Register " + nickname + " " + password + " " + gameId);
    }
    int GS_GetMOTD() override { return Call("GetMOTD"); }
    int GS_GetAllRooms(const std::string& gameId) override { return Call("GetAllRooms " + gameId); }
    int GS_CreateRoom(const std::string& room, const std::string& type) override {
        return Call("CreateRoom " + room + " " + type);
    }
    int GS_JoinRoom(const std::string& room) override { return Call("JoinRoom " + room); }
    int GS_GetUserList(const std::string& room) override { return Call("GetUserList " + room); }
    int GS_PublicMessage(const std::string& text) override { return Call("Say " + text); }
    int GS_PrivateGameCommand(const std::string& nickname, const std::string& command) override {
        return Call("Private " + nickname + " " + command);
    }
    int GS_Disconnect() override { return Call("Disconnect"); }

    std::vector<std::string> calls;
    std::deque<int> connectResults;  // 0 when empty

  private:
    int Call(const std::string& call) {
        calls.push_back(call);
        return 0;
    }
};

class ScriptedAddresses : public GameServerAddressSource {
  public:
    std::optional<GameServerAddress> FetchGameServerAddress() override {
        ++lookups;
        return answer;
    }
    std::optional<GameServerAddress> answer = GameServerAddress{"lobby.test", 4444};
    int lookups = 0;
};

class RecordingLobbyView : public LobbyView, public LobbyHost, public GameServerWindow {
  public:
    void AddChatLine(const std::string& line) override { chat.push_back(line); }
    void ClearChat() override { chat.clear(); }
    void ShowAvailablePlayers(const std::vector<std::string>& shown) override { players = shown; }
    void ShowNowPlaying(const std::vector<std::string>& shown) override { nowPlaying = shown; }
    void UpdateControls() override { ++controlUpdates; }
    void SetBusyCursor(bool busy) override { busyCursor = busy; }
    void FocusChatInput() override { ++chatFocus; }
    void CloseWithOk() override { ++closedWithOk; }
    void PostInvited() override { ++invitedPosts; }
    void PostGameServerEvent(int, const std::string&) override {}

    std::vector<std::string> chat;
    std::vector<std::string> players;
    std::vector<std::string> nowPlaying;
    int controlUpdates = 0;
    bool busyCursor = false;
    int chatFocus = 0;
    int closedWithOk = 0;
    int invitedPosts = 0;
};

// Yes/No answers from a script; something may happen while the question is open.
class AnsweringDialogs : public HeadlessDialogs {
  public:
    bool AskYesNo(const std::string& text) override {
        if (whileAsking) whileAsking();
        return HeadlessDialogs::AskYesNo(text);
    }
    std::function<void()> whileAsking;
};

// One player's lobby, logged in as nickname in the public lobby room with the window shown.
struct LobbyFixture {
    explicit LobbyFixture(const std::string& nickname = "anna") {
        lobby.AttachView(&view);
        lobby.Login({nickname, kLobbyJustForFun, ""});
        lobby.GameServerEvent(2150, nickname + "\r");
        server.calls.clear();
        view.chat.clear();
    }
    ScriptedGameServer server;
    ScriptedAddresses addresses;
    RecordingLobbyView view;
    AnsweringDialogs dialogs;
    MemorySettings settings;
    Lobby lobby{server, view, addresses, view, dialogs, settings};
    TLobby& state = lobby.State();
};

}  // namespace tavolex
