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
// Anna and Ben register, meet, chat and exchange a game command. The server pings every second
// and drops a session silent for three seconds: a margin of two pings, so a loaded machine's
// late pong does not count as silence, and answered pings keep an idle connection.
TEST(QtGameServer, TwoPlayersMeetChatExchangeGameCommandsAndAnsweredPingsKeepThemConnected) {
    RunningServer lobby(TAVOLEX_SERVER, {"--ping-seconds", "1", "--drop-silent-seconds", "3"});
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
    annaServer.GS_Login("anna", kLobbyPassword, kGameId);
    EXPECT_NE(anna.WaitFor(4150), "(none)");  // unknown: the lobby registers it
    join(annaServer, "anna");
    EXPECT_EQ(anna.WaitFor(2070), "LOBBY-Tavolex501\r");

    ASSERT_EQ(benServer.GS_Connect("localhost", lobby.Port(), &ben), 0);
    join(benServer, "ben");
    EXPECT_EQ(ben.WaitFor(2150).substr(0, 3), "ben");
    EXPECT_EQ(anna.WaitFor(2071), "ben\r");

    const std::string token =
        "8\xfe"
        "12\xff";
    benServer.GS_PrivateGameCommand("anna", token);
    EXPECT_EQ(anna.WaitFor(2121), "ben " + token + "\r");
    QTest::qWait(5000);
    annaServer.GS_PublicMessage("good luck");
    EXPECT_EQ(ben.WaitFor(2040), "anna good luck\r");
    EXPECT_TRUE(annaServer.Connected());

    // Logging out: the server closes the connection, and the others in the room learn of it.
    benServer.GS_Disconnect();
    EXPECT_EQ(ben.WaitFor(1991), "\r");
    EXPECT_EQ(anna.WaitFor(2072).substr(0, 3), "ben");
    EXPECT_EQ(benServer.GS_PublicMessage("anyone?"), -1);
}
#endif

}  // namespace
}  // namespace tavolex
