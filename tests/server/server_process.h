// The real tavolex-server as a child process on free loopback ports, and raw socket clients.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "lobby/wire_format.h"

namespace tavolex::server::testing {

class ServerProcess {
  public:
    // Starts the server on a database in `folder` with extra flags; waits until it listens.
    ServerProcess(const std::string& folder, std::vector<std::string> flags = {});
    ~ServerProcess();

    int LobbyPort() const { return lobbyPort_; }
    int WebPort() const { return webPort_; }
    // Sends the signal and returns the exit status (or the signal number + 128).
    int Stop(int signal);

  private:
    pid_t pid_ = -1;
    int output_ = -1;
    int lobbyPort_ = 0;
    int webPort_ = 0;
};

class RawClient {
  public:
    // Connects to 127.0.0.1:port; `receiveBuffer` > 0 shrinks the socket's receive buffer.
    explicit RawClient(int port, int receiveBuffer = 0);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    void SendBytes(const std::string& bytes);
    void Send(RequestKind kind, const std::vector<std::string>& fields = {});
    // Hello and login (or register).
    void LogIn(const std::string& nickname, bool registering);
    // The next frame, or nothing when the server closed or `timeout` passed.
    std::optional<Frame> Next(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Reads until an event of `code` arrives; its text, or nothing.
    std::optional<std::string> WaitFor(int code,
                                       std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // True when the server closed the connection within the timeout (frames before it skipped).
    bool WaitForClose(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    bool closed() const { return closed_; }

  private:
    int socket_ = -1;
    FrameDecoder decoder_;
    std::string pending_;
    bool closed_ = false;
};

// An HTTP GET on 127.0.0.1:port: the status code and the body.
std::pair<int, std::string> HttpGet(int port, const std::string& target);

}  // namespace tavolex::server::testing
