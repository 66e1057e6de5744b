// The client side of the lobby protocol: library calls become request frames, received frames
// become events for the window, and the server's pings are answered. Only moving the bytes is
// left to the socket of each front end (the program's window, the command-line tool).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lobby/game_server.h"
#include "lobby/wire_format.h"

namespace tavolex {

class GameServerClient : public GameServer {
  public:
    int GS_Connect(const std::string& host, int port, GameServerWindow* window) override;
    int GS_Login(const std::string& nickname, const std::string& password,
                 const std::string& gameId) override;
    int GS_Register(const std::string& nickname, const std::string& password,
                    const std::string& firstName, const std::string& lastName,
                    const std::string& email, int age, const std::string& city,
                    const std::string& state, const std::string& country, const std::string& phone,
                    const std::string& comment, const std::string& gameId) override;
    int GS_GetMOTD() override;
    int GS_GetAllRooms(const std::string& gameId) override;
    int GS_CreateRoom(const std::string& room, const std::string& roomType) override;
    int GS_JoinRoom(const std::string& room) override;
    int GS_GetUserList(const std::string& room) override;
    int GS_PublicMessage(const std::string& text) override;
    int GS_PrivateGameCommand(const std::string& nickname, const std::string& command) override;
    // Asks the server to close the connection; event 1991 follows once it has.
    int GS_Disconnect() override;

    bool Connected() const { return connected_; }

  protected:
    // The socket's side. OpenConnection may wait a few seconds; false when the server cannot
    // be reached.
    virtual bool OpenConnection(const std::string& host, int port) = 0;
    virtual void Transmit(const std::string& bytes) = 0;
    // Ends the connection once the bytes transmitted so far have gone out.
    virtual void CloseConnection() = 0;

    // Bytes the socket received, in any split.
    void Received(std::string_view bytes);
    // The connection has ended, by either side: event 1991, once.
    void ConnectionClosed();

  private:
    int Send(RequestKind kind, const std::vector<std::string_view>& fields = {});
    void Deliver(int code, const std::string& text);

    GameServerWindow* window_ = nullptr;
    FrameDecoder decoder_;
    bool connected_ = false;
};

}  // namespace tavolex
