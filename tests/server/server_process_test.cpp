// The real tavolex-server as a child process on free loopback ports, spoken to over real sockets.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <thread>

#include "database.h"
#include "lobby/wire_format.h"

namespace tavolex::server {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace asio = boost::asio;
using asio::ip::tcp;

tcp::endpoint Loopback(int port) {
    return {asio::ip::address_v4::loopback(), static_cast<unsigned short>(port)};
}

// Milliseconds left until `deadline`, at least 0.
std::chrono::milliseconds Remaining(Clock::time_point deadline) {
    return std::max(0ms,
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
}

// The server on a database in `folder` with extra flags, started and waited for until it listens.
class ServerProcess {
  public:
    ServerProcess(const std::string& folder, std::vector<std::string> flags) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
        std::vector<std::string> arguments = {
            TAVOLEX_SERVER_PATH, "--database", folder + "/server.db", "--port", "0",
            "--http-port",       "0"};
        arguments.insert(arguments.end(), flags.begin(), flags.end());
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            close(pipeEnds[0]);
            std::vector<char*> argv;
            for (std::string& argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(pipeEnds[1]);
        output_ = pipeEnds[0];
        // The first line names the ports.
        std::string line;
        char c;
        while (line.find('\n') == std::string::npos && read(output_, &c, 1) == 1) line += c;
        const std::string webMarker = ", web on port ";
        const auto web = line.find(webMarker);
        const auto colon = line.rfind(':', web);
        if (line.find("lobby on ") == std::string::npos || web == std::string::npos ||
            colon == std::string::npos) {
            Stop(SIGKILL);
            throw std::runtime_error("server did not start: " + line);
        }
        lobbyPort = std::stoi(line.substr(colon + 1));
        webPort = std::stoi(line.substr(web + webMarker.size()));
    }
    ~ServerProcess() {
        if (pid_ > 0) Stop(SIGKILL);
        close(output_);
    }
    // Sends the signal and returns the exit status (or the signal number + 128).
    int Stop(int signal) {
        kill(pid_, signal);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    int lobbyPort = 0;
    int webPort = 0;

  private:
    pid_t pid_ = -1;
    int output_ = -1;
};

// Hello and a login (or registration).
std::string LoginFrames(const std::string& nickname, bool registering) {
    return *EncodeFrame(RequestKind::kHello, {"5.0", "501"}) +
           *EncodeFrame(registering ? RequestKind::kRegister : RequestKind::kLogin,
                        {nickname, "abcdefg", "Tavolex501"});
}

// A client on a raw socket; `receiveBuffer` > 0 shrinks the socket's receive buffer.
class RawClient {
  public:
    explicit RawClient(int port, int receiveBuffer = 0) {
        socket_.open(tcp::v4());
        if (receiveBuffer > 0)
            socket_.set_option(asio::socket_base::receive_buffer_size(receiveBuffer));
        socket_.set_option(tcp::no_delay(true));
        socket_.connect(Loopback(port));
    }
    void SendBytes(const std::string& bytes) {
        boost::system::error_code ignored;  // a closed connection shows when reading
        asio::write(socket_, asio::buffer(bytes), ignored);
    }
    void Send(RequestKind kind, const std::vector<std::string>& fields = {}) {
        SendBytes(*EncodeFrame(kind, std::vector<std::string_view>(fields.begin(), fields.end())));
    }
    void LogIn(const std::string& nickname, bool registering) {
        SendBytes(LoginFrames(nickname, registering));
    }
    // The next frame, or nothing when the server closed or `timeout` passed.
    std::optional<Frame> Next(std::chrono::milliseconds timeout = 5s) {
        const auto deadline = Clock::now() + timeout;
        while (true) {
            std::string_view input = pending_;
            Frame frame;
            const auto status = decoder_.Next(input, frame);
            pending_.erase(0, pending_.size() - input.size());
            if (status == FrameDecoder::Status::kFrame) return frame;
            if (status == FrameDecoder::Status::kBad || closed_) return std::nullopt;
            pollfd wait{socket_.native_handle(), POLLIN, 0};
            if (poll(&wait, 1, static_cast<int>(Remaining(deadline).count())) <= 0)
                return std::nullopt;
            char buffer[16 * 1024];
            boost::system::error_code error;
            pending_.append(buffer, socket_.read_some(asio::buffer(buffer), error));
            closed_ = error.failed();
        }
    }
    // Reads until an event of `code` arrives; its text, or nothing.
    std::optional<std::string> WaitFor(int code, std::chrono::milliseconds timeout = 5s) {
        const auto deadline = Clock::now() + timeout;
        while (const auto frame = Next(Remaining(deadline))) {
            if (frame->code == code) return frame->fields.empty() ? "" : frame->fields[0];
        }
        return std::nullopt;
    }
    // True when the server closed the connection within 5 s (frames before it skipped).
    bool WaitForClose() {
        const auto deadline = Clock::now() + 5s;
        while (Next(Remaining(deadline))) {
        }
        return closed_;
    }

  private:
    asio::io_context io_;
    tcp::socket socket_{io_};
    FrameDecoder decoder_;
    std::string pending_;
    bool closed_ = false;
};

// An HTTP GET on the loopback port: the status code and the body.
std::pair<int, std::string> HttpGet(int port, const std::string& target) {
    tcp::iostream http(Loopback(port));
    http << "GET " << target << " HTTP/1.0\r\nHost: localhost\r\n\r\n" << std::flush;
    const std::string response{std::istreambuf_iterator<char>(http), {}};
    const auto bodyStart = response.find("\r\n\r\n");
    if (response.size() < 12 || bodyStart == std::string::npos) return {0, response};
    return {std::stoi(response.substr(9, 3)), response.substr(bodyStart + 4)};
}

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
    void Start(std::vector<std::string> flags = {}) {
        server_ = std::make_unique<ServerProcess>(folder_, std::move(flags));
    }
    std::unique_ptr<RawClient> Connected() {
        return std::make_unique<RawClient>(server_->lobbyPort);
    }
    std::unique_ptr<RawClient> LoggedIn(const std::string& nickname, int receiveBuffer = 0) {
        auto client = std::make_unique<RawClient>(server_->lobbyPort, receiveBuffer);
        client->LogIn(nickname, true);
        EXPECT_EQ(client->WaitFor(kEventJoinedRoom), "LOBBY-Tavolex501") << nickname;
        return client;
    }
    std::pair<int, std::string> Get(const std::string& target) {
        return HttpGet(server_->webPort, target);
    }

    std::string folder_;
    std::unique_ptr<ServerProcess> server_;
};

TEST_F(ServerProcessTest, FramesInAnyPiecesBadFramesTheWebAndAClientThatNeverReads) {
    Start({"--public-host", "lobby.example.test"});
    // Frames arrive byte by byte or in one burst.
    auto slow = Connected();
    for (const char byte : LoginFrames("Anna", true)) slow->SendBytes(std::string(1, byte));
    EXPECT_EQ(slow->WaitFor(kEventLoggedIn), "Anna");
    auto burst = Connected();
    burst->SendBytes(LoginFrames("Bob", true) + *EncodeFrame(RequestKind::kGetMotd) +
                     *EncodeFrame(RequestKind::kPrivateGameCommand, {"Anna", "DEAL\xFE\x01\xFF"}));
    EXPECT_EQ(burst->WaitFor(kEventMotdLine), "Welcome to the Tavolex lobby.");
    EXPECT_EQ(slow->WaitFor(kEventPrivateGameCommand), "Bob DEAL\xFE\x01\xFF");

    // Oversize or malformed frames end the session.
    for (const auto& [bytes, text] :
         {std::pair{std::string("\x00\x00\x40\x00", 4), "Frame too large."},
          {std::string("\x00\x00\x00\x04\x00\x02\x00\x09", 8), "Malformed frame."}}) {
        auto client = Connected();
        client->SendBytes(bytes);
        EXPECT_EQ(client->WaitFor(kEventError), text);
        EXPECT_TRUE(client->WaitForClose());
    }

    // The web service answers and stores only good reports.
    EXPECT_EQ(Get("/lobby/gameserver.txt"),
              std::make_pair(200, "server=lobby.example.test\r\nport=" +
                                      std::to_string(server_->lobbyPort) + "\r\n"));
    EXPECT_EQ(Get("/version.txt"), std::make_pair(200, std::string("5.0\r\n")));
    EXPECT_EQ(Get("/tvxsetup.exe").first, 404);
    EXPECT_EQ(Get("/lobby/matchlog.php?nickname1=A%20b&score1=120&nickname2=%3Cb%3E&score2=-5&"
                  "gametype=1")
                  .first,
              200);
    EXPECT_EQ(Get("/lobby/matchlog.php?nickname1=Evil&score1=1").first, 400);
    const std::string home = Get("/").second;
    EXPECT_NE(home.find("<td>A b</td>"), std::string::npos);
    EXPECT_NE(home.find("<td>&lt;b&gt;</td>"), std::string::npos);
    EXPECT_EQ(home.find("Evil"), std::string::npos);

    // A client that never reads is dropped and the others go on.
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

TEST_F(ServerProcessTest, ACrashedClientIsReplacedAtTheNextLogin) {
    Start({"--replace-silent-seconds", "1", "--ping-seconds", "1"});
    auto watcher = LoggedIn("Watcher");
    auto crashed = LoggedIn("Anna");  // from now on it answers nothing
    std::this_thread::sleep_for(1500ms);
    auto again = Connected();
    again->LogIn("Anna", false);
    EXPECT_EQ(again->WaitFor(kEventLoggedIn), "Anna");
    EXPECT_EQ(crashed->WaitFor(kEventError), "You have logged in again from another place.");
    EXPECT_TRUE(crashed->WaitForClose());
    EXPECT_EQ(watcher->WaitFor(kEventUserLeft), "Anna");
}

TEST_F(ServerProcessTest, RacingLoginsAKilledServerAndASignalStopsItCleanly) {
    Start();
    // Two logins racing for one nickname never both succeed.
    LoggedIn("Anna")->Send(RequestKind::kDisconnect);
    for (int round = 0; round < 5; ++round) {
        RawClient first(server_->lobbyPort), second(server_->lobbyPort);
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

    // A killed server keeps every confirmed account.
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 20; ++i) clients.push_back(LoggedIn("Player" + std::to_string(i)));
    EXPECT_EQ(server_->Stop(SIGKILL), 128 + SIGKILL);
    clients.clear();

    Start();
    for (int i = 0; i < 20; ++i) {
        clients.push_back(Connected());
        clients.back()->LogIn("player" + std::to_string(i), false);
        EXPECT_EQ(clients.back()->WaitFor(kEventLoggedIn), "Player" + std::to_string(i));
    }
    EXPECT_EQ(server_->Stop(SIGTERM), 0);
    EXPECT_EQ(clients.back()->WaitFor(kEventError), "Server is shutting down");
    EXPECT_TRUE(clients.back()->WaitForClose());
    Database database(folder_ + "/server.db");  // closed cleanly, opens again
    EXPECT_TRUE(database.FindAccount("player19"));
}

}  // namespace
}  // namespace tavolex::server
