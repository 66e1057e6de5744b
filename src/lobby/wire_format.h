// The frames between the game-server client library and the lobby server.
//
// One frame, all integers big-endian:
//   u32 length   bytes after this field (2 + the fields), at most kMaxFrameSize - 4
//   u16 code     a RequestKind (client to server) or an event code (server to client)
//   fields       zero or more, each a u16 length followed by that many bytes
// Texts are bytes: nothing is re-encoded, a field may hold any byte value (the private game
// commands carry 0xFE and 0xFF). A frame whose declared length is above the cap is refused as
// soon as its first four bytes have arrived, before any of its body is buffered.
//
// Requests (client to server) and their fields, in order:
//   kHello               client version ("5.0"), protocol ("501"). Send it first after
//                        connecting; login and registration apply the version policy to it
//                        (4210 and go on, 4220 or 4230 refused).
//   kLogin               nickname, password, game id ("Tavolex501")
//   kRegister            nickname, password, game id (the other arguments of the library call
//                        are placeholders and are not sent)
//   kGetMotd             none
//   kGetAllRooms         game id
//   kCreateRoom          room name, room type ("0" lobby room, "2" game room)
//   kJoinRoom            room name
//   kGetUserList         room name
//   kPublicMessage       chat text
//   kPrivateGameCommand  addressee nickname, command bytes
//   kDisconnect          none; the server closes the connection
//   kCloseRoom           room name (the owner only; 4073 otherwise)
//   kPing, kPong         none; either side may ping, the other answers pong. The server pings
//                        every session and drops one that stays silent.
// Events (server to client) carry one field, the event text without the trailing carriage
// return, which the client library adds. kPing and kPong travel in both directions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolex {

// Frames above this size, length field included, are refused.
constexpr std::size_t kMaxFrameSize = 8 * 1024;
constexpr std::size_t kFrameLengthSize = 4;

enum class RequestKind : std::uint16_t {
    kHello = 1,
    kLogin = 2,
    kRegister = 3,
    kGetMotd = 4,
    kGetAllRooms = 5,
    kCreateRoom = 6,
    kJoinRoom = 7,
    kGetUserList = 8,
    kPublicMessage = 9,
    kPrivateGameCommand = 10,
    kDisconnect = 11,
    kCloseRoom = 12,
    kPing = 13,
    kPong = 14,
};

// The events the server sends, with the codes the program's lobby handles.
enum EventCode : std::uint16_t {
    kEventConnectionClosed = 1991,
    kEventError = 1992,
    kEventPublicMessage = 2040,
    kEventRoomListStart = 2050,
    kEventRoomListEntry = 2051,
    kEventRoomListEnd = 2052,
    kEventJoinedRoom = 2070,
    kEventUserEntered = 2071,
    kEventUserLeft = 2072,
    kEventAlreadyInRoom = 2074,
    kEventUserListStart = 2100,
    kEventUserListEntry = 2101,
    kEventMotdStart = 2110,
    kEventMotdLine = 2111,
    kEventMotdEnd = 2112,
    kEventPrivateGameCommand = 2121,
    kEventLoggedIn = 2150,
    kEventUserOffline = 2400,
    kEventChatNotSent = 4040,
    kEventNameInUse = 4060,
    kEventNameTooLong = 4061,
    kEventNameLoggedIn = 4064,
    kEventNoSuchRoom = 4072,
    kEventNotRoomOwner = 4073,
    kEventRoomExists = 4075,
    kEventUnknownUser = 4150,
    kEventAlreadyLoggedIn = 4152,
    kEventBanned = 4153,
    kEventNewerVersion = 4210,
    kEventVersionTooOld = 4220,
    kEventVersionUnknown = 4230,
};

struct Frame {
    std::uint16_t code = 0;
    std::vector<std::string> fields;

    bool operator==(const Frame&) const = default;
};

// The frame's bytes, or nothing when it would exceed kMaxFrameSize or a field 65535 bytes.
std::optional<std::string> EncodeFrame(std::uint16_t code,
                                       const std::vector<std::string_view>& fields);
std::optional<std::string> EncodeFrame(RequestKind kind,
                                       const std::vector<std::string_view>& fields = {});
// An event frame: the code and its one text.
std::optional<std::string> EncodeEvent(std::uint16_t code, std::string_view text);

// Reads frames from bytes that arrive in any split. It holds at most one incomplete frame.
class FrameDecoder {
  public:
    enum class Status { kNeedMore, kFrame, kBad };

    // Takes bytes from the front of `input` until one frame is complete (kFrame, the frame in
    // `frame`, the rest left in `input`), the input is used up (kNeedMore) or the bytes cannot
    // be a frame (kBad, and every later call is kBad too: a stream that lost its framing is not
    // resynchronised by guessing).
    Status Next(std::string_view& input, Frame& frame);
    // Why the stream went bad, for the error text.
    const std::string& Error() const { return error_; }
    // Bytes of an incomplete frame held.
    std::size_t Buffered() const { return buffer_.size(); }

  private:
    Status Fail(std::string error);
    bool ParseBody(Frame& frame);

    std::string buffer_;
    std::size_t expected_ = 0;  // the whole frame's size once its length is known
    std::string error_;
};

}  // namespace tavolex
