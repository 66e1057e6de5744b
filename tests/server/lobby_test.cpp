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
using Events = std::vector<std::pair<int, std::string>>;

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
        received_.emplace_back(decoded.code, decoded.fields.empty() ? "" : decoded.fields[0]);
    }
    void Close() override { closed = true; }
    // What arrived since the last call.
    Events Take() { return std::exchange(received_, {}); }
    bool closed = false;

  private:
    FrameDecoder decoder_;
    Events received_;
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
    Client& LoggedIn(const std::string& nickname, const std::string& gameId = "Tavolex501") {
        Client& client = Connect();
        Send(client, RequestKind::kHello, {"5.0", "501"});
        Send(client, RequestKind::kRegister, {nickname, "abcdefg", gameId});
        client.Take();
        return client;
    }

    ManualClock clock_;
    Database database_{":memory:"};
    LocalPresence presence_;
    std::unique_ptr<Lobby> lobby_;
    std::deque<std::unique_ptr<Client>> clients_;
};

TEST_F(LobbyTest, LoginRegistrationAndNames) {
    Client& anna = Connect();
    Send(anna, RequestKind::kHello, {"5.0", "501"});
    Send(anna, RequestKind::kLogin, {"Anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(anna.Take(), (Events{{4150, "Anna"}}));
    Send(anna, RequestKind::kRegister, {"Anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(anna.Take(), (Events{{2150, "Anna"}, {2070, "LOBBY-Tavolex501"}}));

    Client& other = Connect();
    Send(other, RequestKind::kHello, {"5.0", "501"});
    const struct {
        RequestKind kind;
        std::string nickname;
        Events expected;
    } cases[] = {
        {RequestKind::kLogin, "anna", {{4152, "anna"}}},  // Anna answers: no takeover
        {RequestKind::kRegister, "ANNA", {{4064, "ANNA"}}},
        {RequestKind::kRegister, "SeventeenLetters1", {{4061, "SeventeenLetters1"}}},
        {RequestKind::kRegister,
         "A",
         {{1992, "A nickname has 2 to 16 printable characters and no spaces."}}},
        {RequestKind::kRegister,
         "Bo b",
         {{1992, "A nickname has 2 to 16 printable characters and no spaces."}}},
        {RequestKind::kLogin, "Bo b", {{4150, "Bo b"}}},
    };
    for (const auto& c : cases) {
        Send(other, c.kind, {c.nickname, "abcdefg", "Tavolex501"});
        EXPECT_EQ(other.Take(), c.expected) << c.nickname;
    }
    Send(anna, RequestKind::kDisconnect);
    EXPECT_TRUE(anna.closed);
    Send(other, RequestKind::kRegister, {"anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(other.Take(), (Events{{4060, "anna"}}));

    database_.SetBanned("ANNA", true);
    Send(other, RequestKind::kLogin, {"anna", "abcdefg", "Tavolex501"});
    EXPECT_EQ(other.Take(), (Events{{4153, "anna"}}));
}

TEST_F(LobbyTest, VersionPolicy) {
    const struct {
        std::string nickname, version, protocol, latest, minimum;
        Events expected;
    } cases[] = {
        {"Cy1", "5.0", "501", "5.0", "5.0", {{2150, "Cy1"}, {2070, "LOBBY-Tavolex501"}}},
        {"Cy2",
         "5.0",
         "501",
         "5.1",
         "4.0",
         {{4210, "A newer version is available: 5.1"}, {2150, "Cy2"}, {2070, "LOBBY-Tavolex501"}}},
        {"Cy3",
         "5.0",
         "501",
         "6.0",
         "5.1",
         {{4220, "Please upgrade: http://example.test/tvxsetup.exe"}}},
        {"Cy4", "5.0", "500", "5.0", "5.0", {{4230, "Unknown client version 5.0/500"}}},
        {"Cy5", "five", "501", "5.0", "5.0", {{4230, "Unknown client version five/501"}}},
    };
    for (const auto& c : cases) {
        LobbySettings settings;
        settings.latestVersion = c.latest;
        settings.minimumVersion = c.minimum;
        Restart(settings);
        Client& client = Connect();
        Send(client, RequestKind::kHello, {c.version, c.protocol});
        Send(client, RequestKind::kRegister, {c.nickname, "abcdefg", "Tavolex501"});
        EXPECT_EQ(client.Take(), c.expected) << c.version << " " << c.protocol;
        Send(client, RequestKind::kDisconnect);
    }
}

TEST_F(LobbyTest, RoomsAndTheirEvents) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    EXPECT_EQ(anna.Take(), (Events{{2071, "Bob"}}));

    Send(bob, RequestKind::kCreateRoom, {"Tavolex#Bob#Anna#", "2"});
    EXPECT_EQ(bob.Take(), (Events{{2070, "Tavolex#Bob#Anna#"}}));
    EXPECT_EQ(anna.Take(), (Events{{2072, "Bob"}}));
    Send(anna, RequestKind::kCreateRoom, {"Tavolex#Bob#Anna#", "2"});
    EXPECT_EQ(anna.Take(), (Events{{4075, "Tavolex#Bob#Anna#"}}));

    Send(anna, RequestKind::kGetAllRooms, {"Tavolex501"});
    EXPECT_EQ(anna.Take(), (Events{{2050, "Tavolex501"},
                                   {2051, "LOBBY-Tavolex501"},
                                   {2051, "Tavolex#Bob#Anna#"},
                                   {2052, "Tavolex501"}}));
    Send(anna, RequestKind::kJoinRoom, {"Tavolex#Bob#Anna#"});
    EXPECT_EQ(anna.Take(), (Events{{2070, "Tavolex#Bob#Anna#"}}));
    EXPECT_EQ(bob.Take(), (Events{{2071, "Anna"}}));
    Send(anna, RequestKind::kJoinRoom, {"Tavolex#Bob#Anna#"});
    EXPECT_EQ(anna.Take(), (Events{{2074, "Tavolex#Bob#Anna#"}}));
    Send(anna, RequestKind::kGetUserList, {"Tavolex#Bob#Anna#"});
    EXPECT_EQ(anna.Take(), (Events{{2100, "Tavolex#Bob#Anna#"}, {2101, "Bob"}, {2101, "Anna"}}));

    Send(anna, RequestKind::kCloseRoom, {"Tavolex#Bob#Anna#"});
    EXPECT_EQ(anna.Take(), (Events{{4073, "Tavolex#Bob#Anna#"}}));
    Send(anna, RequestKind::kJoinRoom, {"LobbyTavolexLadder"});
    EXPECT_EQ(anna.Take(), (Events{{4072, "LobbyTavolexLadder"}}));
    for (const std::string& bad : {std::string(), std::string(65, 'r'), std::string("tab\there")}) {
        Send(anna, RequestKind::kCreateRoom, {bad, "0"});
        EXPECT_EQ(anna.Take(), (Events{{1992, "Invalid room name."}}));
    }

    // The game room ends with its last member; the default lobby room stays when empty.
    Send(anna, RequestKind::kJoinRoom, {"LOBBY-Tavolex501"});
    Send(bob, RequestKind::kCloseRoom, {"Tavolex#Bob#Anna#"});
    EXPECT_EQ(bob.Take(), (Events{{2072, "Anna"}, {2070, "LOBBY-Tavolex501"}}));
    Send(anna, RequestKind::kDisconnect);
    Send(bob, RequestKind::kCreateRoom, {"LobbyTavolexSecret", "0"});
    bob.Take();
    Send(bob, RequestKind::kGetAllRooms, {"Tavolex501"});
    EXPECT_EQ(bob.Take(), (Events{{2050, "Tavolex501"},
                                  {2051, "LOBBY-Tavolex501"},
                                  {2051, "LobbyTavolexSecret"},
                                  {2052, "Tavolex501"}}));

    // Rooms of another game are not seen.
    Client& other = LoggedIn("Cyd", "Other7");
    Send(other, RequestKind::kJoinRoom, {"LobbyTavolexSecret"});
    EXPECT_EQ(other.Take(), (Events{{4072, "LobbyTavolexSecret"}}));
}

TEST_F(LobbyTest, MotdChatAndItsRateLimit) {
    Client& anna = LoggedIn("Anna");
    Client& bob = LoggedIn("Bob");
    Client& elsewhere = LoggedIn("Eve");
    Send(elsewhere, RequestKind::kCreateRoom, {"LobbyTavolexLadder", "0"});
    for (Client* client : {&anna, &bob, &elsewhere}) client->Take();
    Send(anna, RequestKind::kGetMotd);
    EXPECT_EQ(anna.Take(), (Events{{2110, ""}, {2111, "Welcome"}, {2111, "Have fun"}, {2112, ""}}));

    for (int i = 0; i < 5; ++i) Send(anna, RequestKind::kPublicMessage, {"hi \xFE"});
    EXPECT_EQ(anna.Take(), Events(5, {2040, "Anna hi \xFE"}));
    EXPECT_EQ(bob.Take(), Events(5, {2040, "Anna hi \xFE"}));
    Send(anna, RequestKind::kPublicMessage, {"flood"});
    EXPECT_EQ(anna.Take(), (Events{{4040, "flood"}}));
    clock_.now += 1s;
    for (int i = 0; i < 3; ++i) Send(anna, RequestKind::kPublicMessage, {"later"});
    EXPECT_EQ(anna.Take(), (Events{{2040, "Anna later"}, {2040, "Anna later"}, {4040, "later"}}));
    EXPECT_EQ(elsewhere.Take(), Events{});
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
    EXPECT_EQ(bob.Take(), (Events{{2121, "Anna " + command}}));
    Send(anna, RequestKind::kPrivateGameCommand, {"Cyd", "x"});
    Send(anna, RequestKind::kPrivateGameCommand, {"Nobody", "x"});
    EXPECT_EQ(anna.Take(), (Events{{2400, "Cyd"}, {2400, "Nobody"}}));

    // Bursts of 200, then 50 a second.
    for (int i = 0; i < 197; ++i) Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(bob.Take().size(), 197u);
    Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(anna.Take(), (Events{{1992, "Too many game commands."}}));
    clock_.now += 100ms;
    for (int i = 0; i < 6; ++i) Send(anna, RequestKind::kPrivateGameCommand, {"Bob", "x"});
    EXPECT_EQ(bob.Take().size(), 5u);
}

TEST_F(LobbyTest, BrokenClientsAreRefusedAndClosed) {
    const struct {
        bool login;
        Frame request;
        std::string text;
    } cases[] = {
        {false, {static_cast<std::uint16_t>(RequestKind::kGetMotd), {}}, "Please log in first."},
        {false,
         {static_cast<std::uint16_t>(RequestKind::kPublicMessage), {"hi"}},
         "Please log in first."},
        {true, {static_cast<std::uint16_t>(RequestKind::kJoinRoom), {}}, "Malformed request."},
        {true, {2150, {"me"}}, "Unknown request."},
    };
    for (const auto& c : cases) {
        Client& client = c.login ? LoggedIn("Dan") : Connect();
        lobby_->Received(client, c.request);
        EXPECT_EQ(client.Take(), (Events{{1992, c.text}}));
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
    EXPECT_EQ(anna.Take(), (Events{{int(RequestKind::kPing), ""}}));
    Send(anna, RequestKind::kPong);
    Send(bob, RequestKind::kPong);
    bob.Take();

    // Bob stops answering. Within 15 s of his last word a second login is refused...
    clock_.now += 14s;
    Client& bobAgain = Connect();
    Send(bobAgain, RequestKind::kHello, {"5.0", "501"});
    Send(bobAgain, RequestKind::kLogin, {"Bob", "abcdefg", "Tavolex501"});
    EXPECT_EQ(bobAgain.Take(), (Events{{4152, "Bob"}}));
    // ...after it, the login replaces the dead session.
    clock_.now += 2s;
    Send(bobAgain, RequestKind::kLogin, {"Bob", "abcdefg", "Tavolex501"});
    EXPECT_TRUE(bob.closed);
    EXPECT_EQ(bobAgain.Take(), (Events{{2150, "Bob"}, {2070, "LOBBY-Tavolex501"}}));
    EXPECT_EQ(anna.Take(), (Events{{2072, "Bob"}, {2400, "Bob"}, {2071, "Bob"}}));

    // Silent for 90 s: dropped, and the others are told.
    for (int second = 0; second < 90; ++second) {
        clock_.now += 1s;
        Send(anna, RequestKind::kPong);
        lobby_->Tick();
    }
    EXPECT_TRUE(bobAgain.closed);
    EXPECT_FALSE(anna.closed);
    const Events told = anna.Take();
    EXPECT_EQ(std::vector(told.end() - 2, told.end()), (Events{{2072, "Bob"}, {2400, "Bob"}}));

    lobby_->Shutdown();
    EXPECT_EQ(anna.Take(), (Events{{1992, "Server is shutting down"}}));
    EXPECT_TRUE(anna.closed);
}

}  // namespace
}  // namespace tavolex::server
