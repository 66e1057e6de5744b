// The game-server library as the program calls it: one connection, login and registration,
// rooms, public chat and private game commands. Events come back as (code, text), the text
// ending in a carriage return; where a user is concerned its first word names them.
#pragma once

#include <string>

namespace tavolex {

inline constexpr const char* kGameId = "Tavolex501";
inline constexpr const char* kClientVersion = "5.0";
inline constexpr const char* kClientProtocol = "501";
// Every copy of the program logs in with this one word: the nickname is the account.
inline constexpr const char* kLobbyPassword = "tavolex";

// Where the events of a connection go: the table window in the program.
class GameServerWindow {
  public:
    virtual ~GameServerWindow() = default;
    virtual void PostGameServerEvent(int code, const std::string& text) = 0;
};

// Results other than that of GS_Connect are not used by the program; every call gives 0 when
// its request went out and -1 when it could not (no connection, a text too long to send).
class GameServer {
  public:
    virtual ~GameServer() = default;
    // Below 0 when the server cannot be reached; otherwise events follow to window.
    virtual int GS_Connect(const std::string& host, int port, GameServerWindow* window) = 0;
    virtual int GS_Login(const std::string& nickname, const std::string& password,
                         const std::string& gameId) = 0;
    // The arguments after the password are placeholders the server does not keep; only the
    // game id at the end counts.
    virtual int GS_Register(const std::string& nickname, const std::string& password,
                            const std::string& firstName, const std::string& lastName,
                            const std::string& email, int age, const std::string& city,
                            const std::string& state, const std::string& country,
                            const std::string& phone, const std::string& comment,
                            const std::string& gameId) = 0;
    virtual int GS_GetMOTD() = 0;
    virtual int GS_GetAllRooms(const std::string& gameId) = 0;
    // roomType "0" a lobby room, "2" a game room.
    virtual int GS_CreateRoom(const std::string& room, const std::string& roomType) = 0;
    virtual int GS_JoinRoom(const std::string& room) = 0;
    virtual int GS_GetUserList(const std::string& room) = 0;
    virtual int GS_PublicMessage(const std::string& text) = 0;
    virtual int GS_PrivateGameCommand(const std::string& nickname, const std::string& command) = 0;
    virtual int GS_Disconnect() = 0;
};

}  // namespace tavolex
