// The program's game-server client against the real server: events arrive at the window as
// posted Qt events, private game commands keep every byte, and an absent server is reported.
#include "lobby/qt/qt_game_server.h"

#include <gtest/gtest.h>

#include <QTcpServer>

#include "lobby/recorded_event.h"
#include "running_server.h"

namespace tavolex {
namespace {

using Event = RecordedEvent;

// Stands in for the table window.
class EventWindow : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() != GameServerEvent::kType) return QObject::event(event);
        const auto* posted = static_cast<GameServerEvent*>(event);
        events.push_back({posted->code, posted->text});
        return true;
    }
    // Waits for an event of this code and gives its text.
    std::string WaitFor(int code) {
        std::string text = "(none)";
        static_cast<void>(QTest::qWaitFor(
            [&] {
                for (const Event& e : events) {
                    if (e.code == code) text = e.text;
                }
                return text != "(none)";
            },
            10000));
        return text;
    }
    std::vector<Event> events;
};

TEST(QtGameServer, AnUnreachableServerIsReportedAtOnce) {
    QTcpServer probe;  // a port that was free a moment ago and has nobody listening now
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    QtGameServer server;
    EventWindow window;
    EXPECT_LT(server.GS_Connect("127.0.0.1", port, &window), 0);
    QTest::qWait(50);
    EXPECT_TRUE(window.events.empty());
}

#ifdef TAVOLEX_SERVER
// Anna and Ben meet and exchange a game command; logging out closes Ben's connection. That
// pings are answered and silent sessions dropped is tested with the client and the server.
TEST(QtGameServer, TwoPlayersExchangeAGameCommandByteForByteAndLoggingOutCloses) {
    RunningServer lobby(TAVOLEX_SERVER);
    ASSERT_NE(lobby.Port(), 0) << lobby.Output().toStdString();
    QtGameServer annaServer;
    QtGameServer benServer;
    EventWindow anna;
    EventWindow ben;
    const auto join = [](QtGameServer& server, const char* name) {
        server.GS_Register(name, kLobbyPassword, "a", "a", "a@b.invalid", 0, "a", "a", "a", "a",
                           "a", kGameId);
    };
    ASSERT_EQ(annaServer.GS_Connect("127.0.0.1", lobby.Port(), &anna), 0);
    join(annaServer, "anna");
    EXPECT_EQ(anna.WaitFor(2070), "LOBBY-Tavolex501\r");
    ASSERT_EQ(benServer.GS_Connect("localhost", lobby.Port(), &ben), 0);
    join(benServer, "ben");
    EXPECT_EQ(anna.WaitFor(2071), "ben\r");

    const std::string token =
        "8\xfe"
        "12\xff";
    benServer.GS_PrivateGameCommand("anna", token);
    EXPECT_EQ(anna.WaitFor(2121), "ben " + token + "\r");
    EXPECT_TRUE(annaServer.Connected());

    benServer.GS_Disconnect();
    EXPECT_EQ(ben.WaitFor(1991), "\r");
    EXPECT_EQ(benServer.GS_PublicMessage("anyone?"), -1);
}
#endif

}  // namespace
}  // namespace tavolex
