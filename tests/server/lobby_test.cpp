// The lobby without sockets: clients are recording participants, time moves by hand.
#include "lobby.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <utility>

#include "local_presence.h"

namespace tavolex::server {
namespace {

using namespace std::chrono_literals;

class ManualClock : public ServerClock {
  public:
    TimePoint Now() override { return now; }
    TimePoint now{};
};

class Client : public Participant {
  public:
    void Deliver(std::string_view frame) override {
        std::string_view bytes = frame;
        Frame decoded;
        ASSERT_EQ(decoder_.Next(bytes, decoded), FrameDecoder::Status::kFrame);
        const bool text = !decoded.fields.empty() && !decoded.fields[0].empty();
        received_.push_back(std::to_string(decoded.code) + (text ? " " + decoded.fields[0] : ""));
    }
    void Close() override { closed = true; }
    // What arrived since the last call, "code text" for each event, joined by " | ".
    std::string Take() {
        std::string events;
        for (const std::string& event : std::exchange(received_, {}))
            events += (events.empty() ? "" : " | ") + event;
        return events;
    }
    // How many events arrived since the last call.
    size_t Count() { return std::exchange(received_, {}).size(); }
    bool closed = false;

  private:
    FrameDecoder decoder_;
    std::vector<std::string> received_;
};

class LobbyTest : public ::testing::Test {
  protected:
    LobbyTest() { Restart({}); }

    void Restart(LobbySettings settings) {
        settings.downloadAddress = "http://example.test/tvxsetup.exe";
        settings.motd = {"Welcome", "Have fun"};
        lobby_ = std::make_unique<Lobby>(presence_, database_, clock_, std::move(settings));
    }

    Client& Connect() {
        Client& client = *clients_.emplace_back(std::make_unique<Client>());
        lobby_->Connected(client);
        return client;
    }
    void Send(Client& client, RequestKind kind, std::vector<std::string> fields = {}) {
        lobby_->Received(client, {static_cast<std::uint16_t>(kind), std::move(fields)});
    }
    // Hello and a login or registration; what the client received.
    std::string Enter(Client& client, RequestKind kind, const std::string& nickname,
                      const std::string& gameId = "Tavolex501", std::string version = "5.0",
                      std::string protocol = "501") {
        Send(client, RequestKind::kHello, {std::move(version), std::move(protocol)});
        Send(client, kind, {nickname, "abcdefg", gameId});
        return client.Take();
    }
    Client& LoggedIn(const std::string& nickname, const std::string& gameId = "Tavolex501") {
        Client& client = Connect();
        Enter(client, RequestKind::kRegister, nickname, gameId);
        return client;
    }

    ManualClock clock_;
    Database database_{":memory:"};
    LocalPresence presence_;
    std::unique_ptr<Lobby> lobby_;
    std::deque<std::unique_ptr<Client>> clients_;
};

TEST_F(LobbyTest, LoginRegistrationAndNames) {
    // An unknown name's login (4150) and a registration are checked on the real server.
    Client& anna = LoggedIn("Anna");
    Client& other = Connect();
    Send(other, RequestKind::kHello, {"5.0", "501"});
    const std::string badName = "1992 A nickname has 2 to 16 printable characters and no spaces.";
    const struct {
        RequestKind kind;
        std::string nickname;
        std::string expected;
    } cases[] = {
        {RequestKind::kLogin, "anna", "4152 anna"},  // Anna answers: no takeover
        {RequestKind::kRegister, "ANNA", "4064 ANNA"},
        {RequestKind::kRegister, "SeventeenLetters1", "4061 SeventeenLetters1"},
        {RequestKind::kRegister, "A", badName},
        {RequestKind::kRegister, "Bo b", badName},
    };
    for (const auto& c : cases) {
        Send(other, c.kind, {c.nickname, "abcdefg", "Tavolex501"});
        EXPECT_EQ(other.Take(), c.expected) << c.nickname;
    }
    Send(anna, RequestKind::kDisconnect);
    EXPECT_TRUE(anna.closed);
    Send(other, RequestKind::kRegister, {"anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(other.Take(), "4060 anna");

    database_.SetBanned("ANNA", true);
    Send(other, RequestKind::kLogin, {"anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(other.Take(), "4153 anna");
}

TEST_F(LobbyTest, VersionPolicy) {
    const struct {
        std::string nickname, version, protocol, latest, minimum, expected;
    } cases[] = {
        {"Cy1", "5.0", "501", "5.0", "5.0", "2150 Cy1 | 2070 LOBBY-Tavolex501"},
        {"Cy2", "5.0", "501", "5.1", "4.0",
         "4210 A newer version is available: 5.1 | 2150 Cy2 | 2070 LOBBY-Tavolex501"},
        {"Cy3", "5.0", "501", "6.0", "5.1",
         "4220 Please upgrade: http://example.test/tvxsetup.exe"},
        {"Cy4", "5.0", "500", "5.0", "5.0", "4230 Unknown client version 5.0/500"},
        {"Cy5", "five", "501", "5.0", "5.0", "4230 Unknown client version five/501"},
    };
    for (const auto& c : cases) {
        LobbySettings settings;
        settings.latestVersion = c.latest;
        settings.minimumVersion = c.minimum;
        Restart(settings);
        Client& client = Connect();
        EXPECT_EQ(
            Enter(client, RequestKind::kRegister, c.nickname, "Tavolex501", c.version, c.protocol),
            c.expected);
        Send(client, RequestKind::kDisconnect);
    }
}

TEST_F(LobbyTest, RoomsAndTheirEvents) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    EXPECT_EQ(anna.Take(), "2071 Bob");
    const std::string game = "Tavolex#Bob#Anna#";

    Send(bob, RequestKind::kCreateRoom, {game, "2"});
    EXPECT_EQ(bob.Take(), "2070 " + game);
    EXPECT_EQ(anna.Take(), "2072 Bob");
    Send(anna, RequestKind::kCreateRoom, {game, "2"});
    EXPECT_EQ(anna.Take(), "4075 " + game);

    Send(anna, RequestKind::kGetAllRooms, {"Tavolex501"});
    EXPECT_EQ(anna.Take(),
              "2050 Tavolex501 | 2051 LOBBY-Tavolex501 | 2051 " + game + " | 2052 Tavolex501");
    Send(anna, RequestKind::kJoinRoom, {game});
    EXPECT_EQ(anna.Take(), "2070 " + game);
    EXPECT_EQ(bob.Take(), "2071 Anna");
    Send(anna, RequestKind::kJoinRoom, {game});
    EXPECT_EQ(anna.Take(), "2074 " + game);
    Send(anna, RequestKind::kGetUserList, {game});
    EXPECT_EQ(anna.Take(), "2100 " + game + " | 2101 Bob | 2101 Anna");

    Send(anna, RequestKind::kCloseRoom, {game});
    EXPECT_EQ(anna.Take(), "4073 " + game);
    Send(anna, RequestKind::kJoinRoom, {"LobbyTavolexLadder"});
    EXPECT_EQ(anna.Take(), "4072 LobbyTavolexLadder");
    for (const std::string& bad : {std::string(), std::string(65, 'r'), std::string("tab\there")}) {
        Send(anna, RequestKind::kCreateRoom, {bad, "0"});
        EXPECT_EQ(anna.Take(), "1992 Invalid room name.");
    }

    // The game room ends with its last member; the default lobby room stays when empty.
    Send(anna, RequestKind::kJoinRoom, {"LOBBY-Tavolex501"});
    Send(bob, RequestKind::kCloseRoom, {game});
    EXPECT_EQ(bob.Take(), "2072 Anna | 2070 LOBBY-Tavolex501");
    Send(anna, RequestKind::kDisconnect);
    Send(bob, RequestKind::kCreateRoom, {"LobbyTavolexSecret", "0"});
    bob.Take();
    Send(bob, RequestKind::kGetAllRooms, {"Tavolex501"});
    EXPECT_EQ(
        bob.Take(),
        "2050 Tavolex501 | 2051 LOBBY-Tavolex501 | 2051 LobbyTavolexSecret | 2052 Tavolex501");

    // Rooms of another game are not seen.
    Client& other = LoggedIn("Cyd", "Other7");
    Send(other, RequestKind::kJoinRoom, {"LobbyTavolexSecret"});
    EXPECT_EQ(other.Take(), "4072 LobbyTavolexSecret");
}

TEST_F(LobbyTest, MotdChatAndItsRateLimit) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    Client& elsewhere = LoggedIn("Eve");
    Send(elsewhere, RequestKind::kCreateRoom, {"LobbyTavolexLadder", "0"});
    for (Client* client : {&anna, &bob, &elsewhere}) client->Take();
    Send(anna, RequestKind::kGetMotd);
    EXPECT_EQ(anna.Take(), "2110 | 2111 Welcome | 2111 Have fun | 2112");

    for (int i = 0; i < 5; ++i) Send(anna, RequestKind::kPublicMessage, {"hi \xFE"});
    const std::string five =
        "2040 Anna hi \xFE | 2040 Anna hi \xFE | 2040 Anna hi \xFE | "
        "2040 Anna hi \xFE | 2040 Anna hi \xFE";
    EXPECT_EQ(anna.Take(), five);
    EXPECT_EQ(bob.Take(), five);
    Send(anna, RequestKind::kPublicMessage, {"flood"});
    EXPECT_EQ(anna.Take(), "4040 flood");
    clock_.now += 1s;
    for (int i = 0; i < 3; ++i) Send(anna, RequestKind::kPublicMessage, {"later"});
    EXPECT_EQ(anna.Take(), "2040 Anna later | 2040 Anna later | 4040 later");
    EXPECT_EQ(elsewhere.Take(), "");
}

TEST_F(LobbyTest, PrivateCommandsOnlyWithinOneGame) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    LoggedIn("Cyd", "Other7");
    anna.Take();
    const std::string command =
        "MELD\xFE"
        "17\xFF"
        "DISCARD\xFE"
        "3\xFF";
    Send(anna, RequestKind::kPrivateGameCommand, {"bob", command});
    EXPECT_EQ(bob.Take(), "2121 Anna " + command);
    Send(anna, RequestKind::kPrivateGameCommand, {"Cyd", "x"});
    Send(anna, RequestKind::kPrivateGameCommand, {"Nobody", "x"});
    EXPECT_EQ(anna.Take(), "2400 Cyd | 2400 Nobody");

    // Bursts of 200, then 50 a second.
    for (int i = 0; i < 197; ++i) Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(bob.Count(), 197u);
    Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(anna.Take(), "1992 Too many game commands.");
    clock_.now += 100ms;
    for (int i = 0; i < 6; ++i) Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(bob.Count(), 5u);
}

TEST_F(LobbyTest, BrokenClientsAreRefusedAndClosed) {
    const struct {
        bool login;
        Frame request;
        std::string text;
    } cases[] = {
        {false, {static_cast<std::uint16_t>(RequestKind::kGetMotd), {}}, "Please log in first."},
        {true, {static_cast<std::uint16_t>(RequestKind::kJoinRoom), {}}, "Malformed request."},
        {true, {2150, {"me"}}, "Unknown request."},
    };
    for (const auto& c : cases) {
        Client& client = c.login ? LoggedIn("Dan") : Connect();
        lobby_->Received(client, c.request);
        EXPECT_EQ(client.Take(), "1992 " + c.text);
        EXPECT_TRUE(client.closed);
    }
    EXPECT_EQ(lobby_->SessionCount(), 0u);
}

TEST_F(LobbyTest, PingsDropTheSilentAndLoginsReplaceADeadSession) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    anna.Take();
    clock_.now += 30s;
    lobby_->Tick();
    EXPECT_EQ(anna.Take(), std::to_string(int(RequestKind::kPing)));
    Send(anna, RequestKind::kPong);
    Send(bob, RequestKind::kPong);
    bob.Take();

    // Bob stops answering. Within 15 s of his last word a second login is refused...
    clock_.now += 14s;
    Client& bobAgain = Connect();
    EXPECT_EQ(Enter(bobAgain, RequestKind::kLogin, "Bob"), "4152 Bob");
    // ...after it, the login replaces the dead session.
    clock_.now += 2s;
    Send(bobAgain, RequestKind::kLogin, {"Bob", "abcdefg", "Tavolex501"});
    EXPECT_TRUE(bob.closed);
    EXPECT_EQ(bobAgain.Take(), "2150 Bob | 2070 LOBBY-Tavolex501");
    EXPECT_EQ(anna.Take(), "2072 Bob | 2400 Bob | 2071 Bob");

    // Silent for 90 s: dropped, and the others are told last.
    for (int second = 0; second < 90; ++second) {
        clock_.now += 1s;
        Send(anna, RequestKind::kPong);
        lobby_->Tick();
    }
    EXPECT_TRUE(bobAgain.closed);
    EXPECT_FALSE(anna.closed);
    EXPECT_TRUE(anna.Take().ends_with("2072 Bob | 2400 Bob"));
}

}  // namespace
}  // namespace tavolex::server
