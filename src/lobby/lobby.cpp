// Logging in and out, the type of game, chat: the lobby window's own actions.
#include "lobby/lobby.h"

#include "game/dialogs.h"
#include "game/settings_store.h"
#include "lobby/lobby_controls.h"

namespace tavolex {

Lobby::Lobby(GameServer& server, GameServerWindow& events, GameServerAddressSource& addresses,
             LobbyHost& host, Dialogs& dialogs, SettingsStore& settings)
    : server_(server),
      events_(events),
      addresses_(addresses),
      host_(host),
      dialogs_(dialogs),
      settings_(settings) {}

void Lobby::AddChatLine(const std::string& line) {
    if (view_) view_->AddChatLine(line);
}

// Outside the lobby room the lists would only go stale, so they empty.
void Lobby::UpdateControls() {
    if (lobby_.State != kLobbyAvailable && (!players_.empty() || !nowPlaying_.empty())) {
        players_.clear();
        nowPlaying_.clear();
        if (view_) view_->ShowNowPlaying(nowPlaying_);
        ShowPlayers();
    }
    if (view_) view_->UpdateControls();
}

void Lobby::ShowPlayers() {
    if (view_) view_->ShowAvailablePlayers(players_);
}

void Lobby::WindowShown(const LobbyForm& form, bool autoLogin) {
    lobby_.Nickname = form.nickname;
    lobby_.LobbyType = form.lobbyType;
    lobby_.PrivateLobbyRoom = kPrivateLobbyPrefix + form.privateRoom;
    if (lobby_.State != kLobbyOffline) {
        server_.GS_GetUserList(lobby_.LobbyRoom);
        server_.GS_GetAllRooms(kGameId);
    } else {
        players_.clear();
        nowPlaying_.clear();
        ShowPlayers();
        if (view_) view_->ShowNowPlaying(nowPlaying_);
        if (autoLogin) return Login(form);
    }
    UpdateControls();
}

void Lobby::Login(const LobbyForm& form) {
    if (form.lobbyType == kLobbyPrivateRoom && form.privateRoom.empty()) {
        dialogs_.Information(kPrivateRoomMissing);
        return;
    }
    if (busy_) return;
    busy_ = true;
    if (view_) view_->SetBusyCursor(true);
    if (lobby_.State == kLobbyOffline) {
        if (view_) view_->ClearChat();
        lobby_.Opponent.clear();
        lobby_.GameRoom.clear();
        lobby_.LobbyType = form.lobbyType;
        // The room text typed after choosing "Private Room" counts too.
        lobby_.PrivateLobbyRoom = kPrivateLobbyPrefix + form.privateRoom;
        lobby_.LobbyRoom = LobbyRoomFor(lobby_.LobbyType, lobby_.PrivateLobbyRoom);
    }
    ConnectAndLogin(form);
    UpdateControls();
    if (view_) view_->SetBusyCursor(false);
    busy_ = false;
}

// The address from the web server; false when the request itself failed.
bool Lobby::FetchAddress() {
    const std::optional<GameServerAddress> address = addresses_.FetchGameServerAddress();
    if (!address) return false;
    lobby_.Server = address->server;
    lobby_.Port = address->server.empty() ? 0 : address->port;
    if (lobby_.Server.empty() || lobby_.Port == 0) AddChatLine(kNoGameServerData);
    return true;
}

void Lobby::ConnectAndLogin(const LobbyForm& form) {
    const auto known = [this] { return !lobby_.Server.empty() && lobby_.Port != 0; };
    const auto failed = [this] { AddChatLine("Could not establish a connection."); };
    if (!known() && !FetchAddress()) return failed();
    if (!known()) return;
    AddChatLine("Connecting...");
    if (server_.GS_Connect(lobby_.Server, lobby_.Port, &events_) < 0) {
        // The address may have moved since it was stored: one more try with a fresh one.
        if (!FetchAddress()) return failed();
        if (!known()) return;
        if (server_.GS_Connect(lobby_.Server, lobby_.Port, &events_) < 0) {
            AddChatLine("Sorry, cannot login to the gameserver.");
            return;
        }
    }
    lobby_.Nickname = form.nickname;
    lobby_.PrivateLobbyRoom = kPrivateLobbyPrefix + form.privateRoom;
    lobby_.State = kLobbyLoggingIn;
    lobby_.AnnounceConnected = 1;
    server_.GS_Login(lobby_.Nickname, kLobbyPassword, kGameId);
}

void Lobby::Logout() {
    if (busy_) return;
    busy_ = true;
    if (lobby_.State == kLobbyLoggingIn || lobby_.State == kLobbyAvailable) {
        server_.GS_Disconnect();
        lobby_.State = kLobbyLoggedOut;
    } else {
        lobby_.State = kLobbyOffline;
    }
    players_.clear();
    nowPlaying_.clear();
    ShowPlayers();
    if (view_) {
        view_->ShowNowPlaying(nowPlaying_);
        view_->ClearChat();
    }
    UpdateControls();
    busy_ = false;
}

void Lobby::ChangeLobbyType(uint8_t lobbyType, const std::string& privateRoom) {
    lobby_.LobbyType = lobbyType;
    if (lobbyType == kLobbyPrivateRoom) lobby_.PrivateLobbyRoom = kPrivateLobbyPrefix + privateRoom;
    lobby_.LobbyRoom = LobbyRoomFor(lobbyType, lobby_.PrivateLobbyRoom);
    if (lobby_.State == kLobbyAvailable) server_.GS_JoinRoom(lobby_.LobbyRoom);
    UpdateControls();
}

void Lobby::SendChat(const std::string& text) {
    if (!text.empty()) server_.GS_PublicMessage(text);
}

bool Lobby::MayClose() const {
    return LobbyMayClose(lobby_.State);
}

void Lobby::StartNetworkGame() {
    match_.Started = true;
}

}  // namespace tavolex
