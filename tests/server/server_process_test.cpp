// The real server process on free loopback ports, spoken to over real sockets.
#include "server_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "database.h"

namespace tavolex::server::testing {
namespace {

using namespace std::chrono_literals;

class ServerProcessTest : public ::testing::Test {
  protected:
    ServerProcessTest() {
        char pattern[] = "/tmp/tavolex-server-test-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    ~ServerProcessTest() override {
        server_.reset();
        std::filesystem::remove_all(folder_);
    }
    ServerProcess& Start(std::vector<std::string> flags = {}) {
        server_ = std::make_unique<ServerProcess>(folder_, std::move(flags));
        return *server_;
    }
    std::unique_ptr<RawClient> LoggedIn(const std::string& nickname, int receiveBuffer = 0) {
        auto client = std::make_unique<RawClient>(server_->LobbyPort(), receiveBuffer);
        client->LogIn(nickname, true);
        EXPECT_EQ(client->WaitFor(kEventJoinedRoom), "LOBBY-Tavolex501") << nickname;
        return client;
    }

    std::string folder_;
    std::unique_ptr<ServerProcess> server_;
};

TEST_F(ServerProcessTest, FramesArriveByteByByteOrInOneBurst) {
    Start();
    RawClient slow(server_->LobbyPort());
    const std::string login =
        *EncodeFrame(RequestKind::kHello, {"5.0", "501"}) +
        *EncodeFrame(RequestKind::kRegister, {"Anna", "abcdefg", "Tavolex501"});
    for (const char byte : login) slow.SendBytes(std::string(1, byte));
    EXPECT_EQ(slow.WaitFor(kEventLoggedIn), "Anna");

    RawClient burst(server_->LobbyPort());
    burst.SendBytes(*EncodeFrame(RequestKind::kHello, {"5.0", "501"}) +
                    *EncodeFrame(RequestKind::kRegister, {"Bob", "abcdefg", "Tavolex501"}) +
                    *EncodeFrame(RequestKind::kGetMotd) +
                    *EncodeFrame(RequestKind::kPrivateGameCommand, {"Anna", "DEAL\xFE\x01\xFF"}));
    EXPECT_EQ(burst.WaitFor(kEventMotdLine), "Welcome to the Tavolex lobby.");
    EXPECT_EQ(slow.WaitFor(kEventPrivateGameCommand), "Bob DEAL\xFE\x01\xFF");
}

TEST_F(ServerProcessTest, OversizeOrMalformedFramesEndTheSession) {
    Start();
    const struct {
        std::string bytes;
        const char* text;
    } cases[] = {
        {std::string("\x00\x00\x40\x00", 4), "Frame too large."},
        {std::string("\x00\x00\x00\x04\x00\x02\x00\x09", 8), "Malformed frame."},
        {*EncodeFrame(RequestKind::kJoinRoom, {"LOBBY-Tavolex501"}), "Please log in first."},
    };
    for (const auto& c : cases) {
        RawClient client(server_->LobbyPort());
        client.SendBytes(c.bytes);
        EXPECT_EQ(client.WaitFor(kEventError), c.text);
        EXPECT_TRUE(client.WaitForClose());
    }
}

TEST_F(ServerProcessTest, AClientThatNeverReadsIsDroppedAndOthersGoOn) {
    Start();
    auto sender = LoggedIn("Sender");
    auto sleeper = LoggedIn("Sleeper", 4096);
    const std::string bulk(8000, '\xFE');
    std::optional<std::string> offline;
    for (int round = 0; round < 30 && !offline; ++round) {
        for (int i = 0; i < 100; ++i)
            sender->Send(RequestKind::kPrivateGameCommand, {"Sleeper", bulk});
        offline = sender->WaitFor(kEventUserOffline, 500ms);
    }
    EXPECT_EQ(offline, "Sleeper");
    sender->Send(RequestKind::kPublicMessage, {"still here"});
    EXPECT_EQ(sender->WaitFor(kEventPublicMessage), "Sender still here");
}

TEST_F(ServerProcessTest, AChatFloodIsRefusedBeyondItsBurst) {
    Start();
    auto anna = LoggedIn("Anna");
    for (int i = 0; i < 20; ++i) anna->Send(RequestKind::kPublicMessage, {"flood"});
    int delivered = 0, refused = 0;
    while (delivered + refused < 20) {
        const auto frame = anna->Next();
        ASSERT_TRUE(frame);
        delivered += frame->code == kEventPublicMessage;
        refused += frame->code == kEventChatNotSent;
    }
    EXPECT_GE(delivered, 5);
    EXPECT_LE(delivered, 6);  // a refill may land while the flood arrives
}

TEST_F(ServerProcessTest, TwoLoginsRacingForOneNicknameNeverBothSucceed) {
    Start();
    LoggedIn("Anna")->Send(RequestKind::kDisconnect);
    for (int round = 0; round < 5; ++round) {
        RawClient first(server_->LobbyPort()), second(server_->LobbyPort());
        first.LogIn(round % 2 ? "anna" : "Anna", false);
        second.LogIn("ANNA", false);
        int loggedIn = 0, refused = 0;
        for (RawClient* client : {&first, &second}) {
            while (const auto frame = client->Next(2s)) {
                loggedIn += frame->code == kEventLoggedIn;
                refused += frame->code == kEventAlreadyLoggedIn;
                if (frame->code == kEventLoggedIn || frame->code == kEventAlreadyLoggedIn) break;
            }
        }
        EXPECT_EQ(loggedIn, 1);
        EXPECT_EQ(refused, 1);
    }
}

TEST_F(ServerProcessTest, ACrashedClientIsReplacedAtTheNextLogin) {
    Start({"--replace-silent-seconds", "1", "--ping-seconds", "1"});
    auto watcher = LoggedIn("Watcher");
    auto crashed = LoggedIn("Anna");  // from now on it answers nothing
    std::this_thread::sleep_for(1500ms);
    RawClient again(server_->LobbyPort());
    again.LogIn("Anna", false);
    EXPECT_EQ(again.WaitFor(kEventLoggedIn), "Anna");
    EXPECT_EQ(crashed->WaitFor(kEventError), "You have logged in again from another place.");
    EXPECT_TRUE(crashed->WaitForClose());
    EXPECT_EQ(watcher->WaitFor(kEventUserLeft), "Anna");
}

TEST_F(ServerProcessTest, AKilledServerKeepsEveryConfirmedAccount) {
    Start();
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 20; ++i) clients.push_back(LoggedIn("Player" + std::to_string(i)));
    EXPECT_EQ(server_->Stop(SIGKILL), 128 + SIGKILL);
    clients.clear();

    Start();
    for (int i = 0; i < 20; ++i) {
        RawClient client(server_->LobbyPort());
        client.LogIn("player" + std::to_string(i), false);
        EXPECT_EQ(client.WaitFor(kEventLoggedIn), "Player" + std::to_string(i));
    }
}

TEST_F(ServerProcessTest, StopsCleanlyOnASignal) {
    Start();
    auto anna = LoggedIn("Anna");
    EXPECT_EQ(server_->Stop(SIGTERM), 0);
    EXPECT_EQ(anna->WaitFor(kEventError), "Server is shutting down");
    EXPECT_TRUE(anna->WaitForClose());
    Database database(folder_ + "/server.db");  // closed cleanly, opens again
    EXPECT_TRUE(database.FindAccount("anna"));
}

TEST_F(ServerProcessTest, WebServiceAnswersAndStoresOnlyGoodReports) {
    Start({"--public-host", "lobby.example.test"});
    EXPECT_EQ(HttpGet(server_->WebPort(), "/lobby/gameserver.txt"),
              std::make_pair(200, "server=lobby.example.test\r\nport=" +
                                      std::to_string(server_->LobbyPort()) + "\r\n"));
    EXPECT_EQ(HttpGet(server_->WebPort(), "/version.txt"),
              std::make_pair(200, std::string("5.0\r\n")));
    EXPECT_EQ(HttpGet(server_->WebPort(), "/tvxsetup.exe").first, 404);
    EXPECT_EQ(HttpGet(server_->WebPort(),
                      "/lobby/matchlog.php?nickname1=A%20b&score1=120&nickname2=%3Cb%3E&score2=-5&"
                      "gametype=1")
                  .first,
              200);
    EXPECT_EQ(HttpGet(server_->WebPort(), "/lobby/matchlog.php?nickname1=Evil&score1=1").first,
              400);
    const std::string home = HttpGet(server_->WebPort(), "/").second;
    EXPECT_NE(home.find("<td>A b</td>"), std::string::npos);
    EXPECT_NE(home.find("<td>&lt;b&gt;</td>"), std::string::npos);
    EXPECT_EQ(home.find("Evil"), std::string::npos);
}

}  // namespace
}  // namespace tavolex::server::testing
