#include "server_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace tavolex::server::testing {

using Clock = std::chrono::steady_clock;

namespace {

int ConnectLoopback(int port, int receiveBuffer) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0)
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot connect to port " + std::to_string(port));
    }
    return fd;
}

// Milliseconds left until `deadline`, at least 0.
int Remaining(Clock::time_point deadline) {
    return static_cast<int>(std::max<long>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
}

}  // namespace

ServerProcess::ServerProcess(const std::string& folder, std::vector<std::string> flags) {
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
    lobbyPort_ = std::stoi(line.substr(colon + 1));
    webPort_ = std::stoi(line.substr(web + webMarker.size()));
}

ServerProcess::~ServerProcess() {
    if (pid_ > 0) Stop(SIGKILL);
    if (output_ >= 0) close(output_);
}

int ServerProcess::Stop(int signal) {
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

RawClient::RawClient(int port, int receiveBuffer) : socket_(ConnectLoopback(port, receiveBuffer)) {}

RawClient::~RawClient() {
    ::close(socket_);
}

void RawClient::SendBytes(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count =
            ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) return;
        sent += static_cast<std::size_t>(count);
    }
}

void RawClient::Send(RequestKind kind, const std::vector<std::string>& fields) {
    SendBytes(*EncodeFrame(kind, std::vector<std::string_view>(fields.begin(), fields.end())));
}

void RawClient::LogIn(const std::string& nickname, bool registering) {
    Send(RequestKind::kHello, {"5.0", "501"});
    Send(registering ? RequestKind::kRegister : RequestKind::kLogin,
         {nickname, "abcdefg", "Tavolex501"});
}

std::optional<Frame> RawClient::Next(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        std::string_view input = pending_;
        Frame frame;
        const auto status = decoder_.Next(input, frame);
        pending_.erase(0, pending_.size() - input.size());
        if (status == FrameDecoder::Status::kFrame) return frame;
        if (status == FrameDecoder::Status::kBad || closed_) return std::nullopt;
        pollfd wait{socket_, POLLIN, 0};
        if (poll(&wait, 1, Remaining(deadline)) <= 0) return std::nullopt;
        char buffer[16 * 1024];
        const ssize_t count = ::recv(socket_, buffer, sizeof buffer, 0);
        if (count <= 0) {
            closed_ = true;
        } else {
            pending_.append(buffer, static_cast<std::size_t>(count));
        }
    }
}

std::optional<std::string> RawClient::WaitFor(int code, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (const auto frame = Next(std::chrono::milliseconds(Remaining(deadline)))) {
        if (frame->code == code) return frame->fields.empty() ? "" : frame->fields[0];
    }
    return std::nullopt;
}

bool RawClient::WaitForClose(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Next(std::chrono::milliseconds(Remaining(deadline)))) {
    }
    return closed_;
}

std::pair<int, std::string> HttpGet(int port, const std::string& target) {
    const int fd = ConnectLoopback(port, 0);
    const std::string request = "GET " + target + " HTTP/1.0\r\nHost: localhost\r\n\r\n";
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string response;
    char buffer[4096];
    for (ssize_t count; (count = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        response.append(buffer, static_cast<std::size_t>(count));
    ::close(fd);
    const auto bodyStart = response.find("\r\n\r\n");
    if (response.size() < 12 || bodyStart == std::string::npos) return {0, response};
    return {std::stoi(response.substr(9, 3)), response.substr(bodyStart + 4)};
}

}  // namespace tavolex::server::testing
