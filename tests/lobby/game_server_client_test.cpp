// The client side of the lobby protocol without a socket: what each call sends, what each
// received frame becomes.
#include "lobby/game_server_client.h"

#include <gtest/gtest.h>

#include "lobby/recorded_event.h"

namespace tavolex {
namespace {

using Event = RecordedEvent;

class RecordingWindow : public GameServerWindow {
  public:
    void PostGameServerEvent(int code, const std::string& text) override {
        events.push_back({code, text});
    }
    std::vector<Event> events;
};

// Records the bytes sent; the test plays the server's side.
class LoopbackClient : public GameServerClient {
  public:
    bool reachable = true;
    std::string sent;
    int closes = 0;

    // The frames sent since the last call.
    std::vector<Frame> TakeFrames() {
        std::vector<Frame> frames;
        FrameDecoder decoder;
        std::string_view bytes = sent;
        Frame frame;
        while (decoder.Next(bytes, frame) == FrameDecoder::Status::kFrame) frames.push_back(frame);
        sent.clear();
        return frames;
    }
    void ServerSends(std::string_view bytes) { Received(bytes); }
    void ServerCloses() { ConnectionClosed(); }

  protected:
    bool OpenConnection(const std::string&, int) override { return reachable; }
    void Transmit(const std::string& bytes) override { sent += bytes; }
    void CloseConnection() override { ++closes; }
};

Frame Request(RequestKind kind, std::vector<std::string> fields = {}) {
    return {static_cast<uint16_t>(kind), std::move(fields)};
}

TEST(GameServerClient, EachCallSendsItsRequestAfterTheClientVersion) {
    LoopbackClient client;
    RecordingWindow window;
    EXPECT_EQ(client.GS_Login("anna", kLobbyPassword, kGameId), -1);  // not connected yet
    ASSERT_EQ(client.GS_Connect("localhost", 4444, &window), 0);
    EXPECT_EQ(client.TakeFrames(), std::vector{Request(RequestKind::kHello, {"5.0", "501"})});

    // Evaluated in order, each call returns 0 and sends its frame. The calls of a login, a
    // registration, chat and game commands are checked against the real server by the Qt client.
    const std::vector<int> results = {
        client.GS_GetMOTD(),
        client.GS_GetAllRooms("Tavolex501"),
        client.GS_CreateRoom("Tavolex#ben#anna#", "2"),
        client.GS_JoinRoom("LOBBY-Tavolex501"),
        client.GS_GetUserList("LOBBY-Tavolex501"),
    };
    EXPECT_EQ(results, std::vector<int>(5, 0));
    EXPECT_EQ(client.TakeFrames(),
              (std::vector{Request(RequestKind::kGetMotd),
                           Request(RequestKind::kGetAllRooms, {"Tavolex501"}),
                           Request(RequestKind::kCreateRoom, {"Tavolex#ben#anna#", "2"}),
                           Request(RequestKind::kJoinRoom, {"LOBBY-Tavolex501"}),
                           Request(RequestKind::kGetUserList, {"LOBBY-Tavolex501"})}));
    // A text too long for one frame is refused, not cut.
    EXPECT_EQ(client.GS_PublicMessage(std::string(kMaxFrameSize, 'x')), -1);
    EXPECT_TRUE(client.TakeFrames().empty());

    EXPECT_EQ(client.GS_Disconnect(), 0);
    EXPECT_EQ(client.TakeFrames(), std::vector{Request(RequestKind::kDisconnect)});
    EXPECT_EQ(client.closes, 1);
    client.ServerCloses();
    client.ServerCloses();
    EXPECT_EQ(window.events, (std::vector<Event>{{1991, "\r"}}));
}

TEST(GameServerClient, FramesInAnySplitBecomeEventsAndPingsAreAnswered) {
    std::string bytes = *EncodeEvent(2150, "anna") + *EncodeFrame(RequestKind::kPing) +
                        *EncodeEvent(2121,
                                     "ben 8\xfe"
                                     "12\xff") +
                        *EncodeFrame(RequestKind::kPong) + *EncodeEvent(2110, "");
    const std::vector<Event> expected{{2150, "anna\r"},
                                      {2121,
                                       "ben 8\xfe"
                                       "12\xff\r"},
                                      {2110, "\r"}};
    for (const size_t split : {size_t{1}, size_t{3}, bytes.size()}) {
        LoopbackClient client;
        RecordingWindow window;
        client.GS_Connect("localhost", 4444, &window);
        client.TakeFrames();
        for (size_t at = 0; at < bytes.size(); at += split) {
            client.ServerSends(std::string_view(bytes).substr(at, split));
        }
        EXPECT_EQ(window.events, expected) << split;
        EXPECT_EQ(client.TakeFrames(), std::vector{Request(RequestKind::kPong)});
    }
}

TEST(GameServerClient, DamagedDataEndsTheConnectionWithAnErrorAndNoServerNoEvents) {
    LoopbackClient client;
    RecordingWindow window;
    client.GS_Connect("localhost", 4444, &window);
    client.ServerSends(std::string_view("\x00\x01\x00\x00", 4));  // a frame of 64 KiB
    ASSERT_EQ(window.events.size(), 2u);
    EXPECT_EQ(window.events[0].code, 1992);
    EXPECT_EQ(window.events[1], (Event{1991, "\r"}));
    EXPECT_EQ(client.closes, 1);
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(client.GS_PublicMessage("still there?"), -1);

    // An unreachable server gives a failure and no events.
    LoopbackClient unreachable;
    RecordingWindow silent;
    unreachable.reachable = false;
    EXPECT_LT(unreachable.GS_Connect("localhost", 4444, &silent), 0);
    EXPECT_LT(unreachable.GS_Connect("localhost", 0, &silent), 0);
    EXPECT_TRUE(unreachable.sent.empty());
    EXPECT_TRUE(silent.events.empty());
}

}  // namespace
}  // namespace tavolex
