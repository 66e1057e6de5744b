// What each game-server event does to the lobby.
#include <algorithm>

#include "game/settings_store.h"
#include "lobby/event_words.h"
#include "lobby/lobby.h"
#include "lobby/wire_format.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace {

// Refusals that end the connection with a fixed text.
struct Refusal {
    int code;
    const char* text;
};
constexpr Refusal kRefusals[] = {
    {kEventChatNotSent, "Unable to send chat message."},
    {kEventNameInUse, "Cannot register: this username is already in use."},
    {kEventNameTooLong, "Cannot register: this username is too long (max 16 characters)."},
    {kEventNameLoggedIn, "Cannot register: this username is already logged in."},
    {kEventNotRoomOwner, "Cannot close room: you are not the owner"},
    {kEventAlreadyLoggedIn,
     "Cannot log in: this user is already logged in. If you got disconnected, please wait a "
     "few minutes before logging in again."},
    {kEventBanned, "Cannot log in: username has been banned."},
};

bool Listed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// "Tavolex#<invited>#<inviter>#" as the "Now Playing" list shows it.
std::string MatchLine(const std::string& room) {
    std::string_view rest = room;
    std::string parts[3];
    for (std::string& part : parts) {
        const size_t hash = rest.find('#');
        part = rest.substr(0, hash);
        rest.remove_prefix(hash == std::string_view::npos ? rest.size() : hash + 1);
    }
    return parts[1] + " - " + parts[2];
}

}  // namespace

void Lobby::Report(const std::string& text) {
    if (!text.empty()) AddChatLine(text);
    server_.GS_Disconnect();
    lobby_.State = kLobbyOffline;
    if (view_) view_->SetBusyCursor(false);
}

// The invited or inviting player went offline: nobody will answer any more.
void Lobby::OpponentGone() {
    lobby_.State = kLobbyAvailable;
    lobby_.BeingInvited = 0;
    AddChatLine("[Sorry, your opponent has left the lobby.]");
    server_.GS_JoinRoom(lobby_.LobbyRoom);
}

void Lobby::LobbyRoomJoined(const std::string& room) {
    if (room.starts_with(kPublicLobbyRoom)) {
        // Every login lands in the public room; the chosen room is joined from there.
        if (lobby_.LobbyRoom != room) server_.GS_JoinRoom(lobby_.LobbyRoom);
        server_.GS_GetAllRooms(kGameId);
        if (lobby_.AnnounceConnected) {
            lobby_.AnnounceConnected = 0;
            AddChatLine("Connected with the Tavolex game lobby.");
        }
    }
    if (!lobby_.LobbyRoom.empty() && room.starts_with(lobby_.LobbyRoom)) {
        if (view_) view_->FocusChatInput();
        server_.GS_GetUserList(lobby_.LobbyRoom);
    }
}

bool Lobby::GameServerEvent(int code, const std::string& text) {
    const bool wasPlaying = lobby_.State == kLobbyPlaying;
    const bool opponentGone = code == kEventUserOffline && FirstWord(text) == lobby_.Opponent &&
                              (lobby_.State == kLobbyInviting || lobby_.State == kLobbyAccepted);
    if (opponentGone) OpponentGone();
    if (!view_) {
        // Hidden: only what changes the state matters; the lists are asked for on showing.
        if (code == kEventPrivateGameCommand && !wasPlaying) HandleInvitation(text);
        if (code == kEventConnectionClosed) lobby_.State = kLobbyOffline;
        return !wasPlaying && lobby_.State == kLobbyPlaying;
    }
    const auto refusal = std::find_if(std::begin(kRefusals), std::end(kRefusals),
                                      [code](const Refusal& r) { return r.code == code; });
    if (refusal != std::end(kRefusals)) Report(refusal->text);
    switch (code) {
        case kEventConnectionClosed:
            lobby_.State = kLobbyOffline;
            view_->SetBusyCursor(false);
            break;
        case kEventError:
            Report("Unknown error: " + LineOf(text));
            break;
        case kEventPublicMessage: {
            std::string_view rest = text;
            const std::string sender = TakeWord(rest);
            AddChatLine(sender + ": " + TakeWord(rest, true));
            break;
        }
        case kEventRoomListStart:
            matchList_.clear();
            break;
        case kEventRoomListEntry:
            if (LineOf(text).find(kGameRoomMark) != std::string::npos) {
                matchList_.push_back(MatchLine(LineOf(text)));
            }
            break;
        case kEventRoomListEnd:
            nowPlaying_ = matchList_;
            view_->ShowNowPlaying(nowPlaying_);
            break;
        case kEventJoinedRoom:
        case kEventAlreadyInRoom:
            LobbyRoomJoined(LineOf(text));
            break;
        case kEventUserEntered:
            if (!Listed(players_, FirstWord(text))) players_.push_back(FirstWord(text));
            ShowPlayers();
            server_.GS_GetAllRooms(kGameId);
            break;
        case kEventUserLeft:
            std::erase(players_, FirstWord(text));
            ShowPlayers();
            server_.GS_GetAllRooms(kGameId);
            break;
        case kEventUserListStart:
            players_.clear();
            ShowPlayers();
            break;
        case kEventUserListEntry:
            if (!Listed(players_, FirstWord(text))) players_.push_back(FirstWord(text));
            ShowPlayers();
            break;
        case kEventMotdStart:
            AddChatLine("");
            AddChatLine("=== Message of the Day ===");
            break;
        case kEventMotdLine: {
            std::string_view line = text;
            AddChatLine(TakeWord(line, true));
            break;
        }
        case kEventMotdEnd:
            AddChatLine("=== End of Message of the Day ===");
            AddChatLine("");
            break;
        case kEventPrivateGameCommand:
            if (wasPlaying) break;
            if (const std::string status = HandleInvitation(text); !status.empty()) {
                AddChatLine(status);
            }
            if (lobby_.State == kLobbyPlaying) view_->CloseWithOk();
            break;
        case kEventLoggedIn:
            settings_.WriteValue(kUsernameKey.path, lobby_.Nickname);
            // The server tells names apart without regard to case and names this user as the
            // account was created; invitations compare names with its spelling.
            if (const std::string name = FirstWord(text); !name.empty()) lobby_.Nickname = name;
            server_.GS_GetMOTD();
            lobby_.State = kLobbyAvailable;
            break;
        case kEventUserOffline:
            if (Listed(players_, FirstWord(text))) {
                std::erase(players_, FirstWord(text));
                ShowPlayers();
            } else {
                server_.GS_GetAllRooms(kGameId);
            }
            break;
        case kEventNoSuchRoom:
            if (LineOf(text) == lobby_.LobbyRoom) {
                server_.GS_CreateRoom(lobby_.LobbyRoom, "0");
            } else {
                Report("Cannot join: room " + LineOf(text) + " does not exist");
            }
            break;
        case kEventRoomExists: {
            // Two first visitors of a private room may both try to create it: each joins the
            // room the server names, the game room or that lobby room.
            const std::string room = LineOf(text);
            server_.GS_JoinRoom(room.empty() ? lobby_.GameRoom : room);
            break;
        }
        case kEventUnknownUser:
            server_.GS_Register(lobby_.Nickname, kLobbyPassword, "a", "a", "player@example.invalid",
                                0, "a", "a", "a", "a", "a", kGameId);
            break;
        case kEventNewerVersion:
            AddChatLine("Please upgrade to the latest version of Tavolex.");
            break;
        case kEventVersionTooOld: {
            std::string_view words = text;
            TakeWord(words);
            TakeWord(words);
            Report("Please upgrade to the latest version of Tavolex. You can download it from " +
                   TakeWord(words));
            break;
        }
        case kEventVersionUnknown:
            Report(std::string("Error: unknown client version. Please contact ") + kSupportAddress);
            break;
    }
    UpdateControls();
    return !wasPlaying && lobby_.State == kLobbyPlaying;
}

}  // namespace tavolex
