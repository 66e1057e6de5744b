// The lobby's state for the whole run of the program, and the names of its rooms. The lobby
// window shows it; the invitation exchange and the table window read and change it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavolex {

// TLobby::State.
enum LobbyStateCode : uint8_t {
    kLobbyOffline = 0,
    kLobbyLoggingIn = 1,
    kLobbyAvailable = 2,  // in the lobby room, may invite and be invited
    kLobbyInviting = 3,
    kLobbyAccepted = 4,   // accepted an invitation, waiting for the inviter's confirmation
    kLobbyLoggedOut = 5,  // waiting for the server to close the connection
    kLobbyPlaying = 6,
};

// TLobby::LobbyType, the items of "Type of game:".
enum LobbyTypeCode : uint8_t {
    kLobbyJustForFun = 0,
    kLobbyCompetition = 1,
    kLobbyPrivateRoom = 2,
};

inline constexpr const char* kPublicLobbyRoom = "LOBBY-Tavolex501";
inline constexpr const char* kLadderLobbyRoom = "LobbyTavolexLadder";
// A private lobby room is this prefix followed by the text of the "Private Room" field.
inline constexpr const char* kPrivateLobbyPrefix = "LobbyTavolex";
// Game rooms hold this text; the room list shows them as "Now Playing".
inline constexpr const char* kGameRoomMark = "Tavolex#";
inline constexpr std::size_t kNicknameLength = 16;

struct TLobby {
    uint8_t State = kLobbyOffline;
    std::string Nickname;          // the nickname field's text at the last login
    std::string Opponent;          // the player being invited, or who invited this player
    std::string InviteInfo;        // text received with an invitation
    std::string Server;            // game-server host, from the settings or the web lookup
    std::string GameRoom;          // the game room of the current invitation
    std::string LobbyRoom;         // the lobby room the player belongs in
    std::string PrivateLobbyRoom;  // kPrivateLobbyPrefix + the private-room text
    int32_t Port = 0;
    uint8_t BeingInvited = 0;  // an invitation is being answered
    std::string LastEvent;     // text of the last game-server event, copied by the table window
    uint8_t AnnounceConnected = 0;
    uint8_t LobbyType = kLobbyJustForFun;
};

// Who plays whom once an invitation has succeeded; the peer protocol starts from it.
inline constexpr uint8_t kNetworkRoleAccepted = 0;
inline constexpr uint8_t kNetworkRoleInvited = 1;  // this side invited and deals
inline constexpr uint8_t kNoNetworkGame = 2;
inline constexpr std::size_t kNetNameLength = 255;

struct NetworkMatch {
    uint8_t NetworkRole = kNoNetworkGame;
    std::string OwnNetName;    // at most 255 characters
    std::string OpponentName;  // at most 255 characters
    bool Started = false;      // StartNetworkGame has run for this match
};

// The lobby room of a type: the public room, the ladder room or privateLobbyRoom.
std::string LobbyRoomFor(uint8_t lobbyType, const std::string& privateLobbyRoom);

// "Tavolex#<invited>#<inviter>#": both sides build the same name.
std::string GameRoomName(const std::string& invited, const std::string& inviter);

}  // namespace tavolex
