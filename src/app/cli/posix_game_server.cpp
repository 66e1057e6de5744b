#include "app/cli/posix_game_server.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace tavolex::cli {

namespace {

// A non-blocking connect bounded in time, then the socket back in blocking mode.
int ConnectWithin(const addrinfo& address, int milliseconds) {
    const int fd = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (fd < 0) return -1;
    const int flags = fcntl(fd, F_GETFL);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    bool connected = connect(fd, address.ai_addr, address.ai_addrlen) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        connected = poll(&waiting, 1, milliseconds) == 1 &&
                    getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    if (!connected) {
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, flags);
    // A server that stops reading cannot hold the tool forever.
    const timeval sendLimit{10, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
    return fd;
}

}  // namespace

PosixGameServer::~PosixGameServer() {
    if (socket_ >= 0) close(socket_);
}

long long PosixGameServer::NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool PosixGameServer::OpenConnection(const std::string& host, int port) {
    if (socket_ >= 0) close(socket_);
    socket_ = -1;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    for (const addrinfo* address = found; address && socket_ < 0; address = address->ai_next) {
        socket_ = ConnectWithin(*address, kConnectMilliseconds);
    }
    freeaddrinfo(found);
    return socket_ >= 0;
}

void PosixGameServer::Transmit(const std::string& bytes) {
    for (size_t sent = 0; socket_ >= 0 && sent < bytes.size();) {
        const ssize_t count = send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;  // the read side sees the end of the connection
        sent += static_cast<size_t>(count);
    }
}

void PosixGameServer::CloseConnection() {
    // Only the sending half: what the server still sends is read until it closes its side.
    if (socket_ >= 0) shutdown(socket_, SHUT_WR);
}

void PosixGameServer::ReadFor(int milliseconds) {
    pollfd readable{socket_, POLLIN, 0};
    if (poll(&readable, 1, milliseconds) <= 0) return;
    char buffer[4096];
    const ssize_t count = recv(socket_, buffer, sizeof buffer, 0);
    if (count < 0 && errno == EINTR) return;
    if (count > 0) {
        Received(std::string_view(buffer, static_cast<size_t>(count)));
        return;
    }
    close(socket_);
    socket_ = -1;
    ConnectionClosed();
}

}  // namespace tavolex::cli
