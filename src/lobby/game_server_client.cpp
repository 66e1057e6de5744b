#include "lobby/game_server_client.h"

namespace tavolex {

int GameServerClient::GS_Connect(const std::string& host, int port, GameServerWindow* window) {
    // A connection still open is dropped without an event: the caller starts afresh.
    if (connected_) {
        connected_ = false;
        CloseConnection();
    }
    window_ = window;
    decoder_ = FrameDecoder();
    if (port <= 0 || port > 65535 || !OpenConnection(host, port)) return -1;
    connected_ = true;
    // The server applies its version policy to this at login.
    return Send(RequestKind::kHello, {kClientVersion, kClientProtocol});
}

int GameServerClient::GS_Login(const std::string& nickname, const std::string& password,
                               const std::string& gameId) {
    return Send(RequestKind::kLogin, {nickname, password, gameId});
}

int GameServerClient::GS_Register(const std::string& nickname, const std::string& password,
                                  const std::string&, const std::string&, const std::string&, int,
                                  const std::string&, const std::string&, const std::string&,
                                  const std::string&, const std::string&,
                                  const std::string& gameId) {
    return Send(RequestKind::kRegister, {nickname, password, gameId});
}

int GameServerClient::GS_GetMOTD() {
    return Send(RequestKind::kGetMotd);
}

int GameServerClient::GS_GetAllRooms(const std::string& gameId) {
    return Send(RequestKind::kGetAllRooms, {gameId});
}

int GameServerClient::GS_CreateRoom(const std::string& room, const std::string& roomType) {
    return Send(RequestKind::kCreateRoom, {room, roomType});
}

int GameServerClient::GS_JoinRoom(const std::string& room) {
    return Send(RequestKind::kJoinRoom, {room});
}

int GameServerClient::GS_GetUserList(const std::string& room) {
    return Send(RequestKind::kGetUserList, {room});
}

int GameServerClient::GS_PublicMessage(const std::string& text) {
    return Send(RequestKind::kPublicMessage, {text});
}

int GameServerClient::GS_PrivateGameCommand(const std::string& nickname,
                                            const std::string& command) {
    return Send(RequestKind::kPrivateGameCommand, {nickname, command});
}

int GameServerClient::GS_Disconnect() {
    if (!connected_) return -1;
    Send(RequestKind::kDisconnect);
    CloseConnection();
    return 0;
}

int GameServerClient::Send(RequestKind kind, const std::vector<std::string_view>& fields) {
    if (!connected_) return -1;
    const std::optional<std::string> frame = EncodeFrame(kind, fields);
    if (!frame) return -1;
    Transmit(*frame);
    return 0;
}

void GameServerClient::Received(std::string_view bytes) {
    Frame frame;
    FrameDecoder::Status status;
    while (connected_ &&
           (status = decoder_.Next(bytes, frame)) != FrameDecoder::Status::kNeedMore) {
        if (status == FrameDecoder::Status::kBad) {
            // A stream that lost its framing cannot be trusted further.
            Deliver(kEventError, "The game server sent damaged data: " + decoder_.Error());
            CloseConnection();
            ConnectionClosed();
            return;
        }
        if (frame.code == static_cast<uint16_t>(RequestKind::kPing)) {
            Send(RequestKind::kPong);
        } else if (frame.code != static_cast<uint16_t>(RequestKind::kPong)) {
            Deliver(frame.code, frame.fields.empty() ? std::string() : frame.fields[0]);
        }
    }
}

void GameServerClient::ConnectionClosed() {
    if (!connected_) return;
    connected_ = false;
    Deliver(kEventConnectionClosed, "");
}

void GameServerClient::Deliver(int code, const std::string& text) {
    if (window_ != nullptr) window_->PostGameServerEvent(code, text + '\r');
}

}  // namespace tavolex
