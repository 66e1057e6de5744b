// Load on the lobby server over loopback: many logged-in clients, then pairs of them relaying
// private game commands at a fixed total rate, against tavolex-server and, in the same run,
// against a minimal relay of the same frames inside this tool (the baseline).
//
//   tavolex_lobby_load [--clients 10000] [--rate 10000] [--seconds 10] [--server PATH]
//
// Prints the server's resident memory per idle session, the login rate, and for both relays the
// latency from sending a command to receiving it (p50, p99) and the relay's CPU share.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "lobby/wire_format.h"

namespace {

using namespace tavolex;
using SteadyClock = std::chrono::steady_clock;

struct Options {
    int clients = 10'000;
    int rate = 10'000;
    int seconds = 10;
    std::string server = TAVOLEX_SERVER_PATH;
};

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               SteadyClock::now().time_since_epoch())
        .count();
}

void RaiseOpenFilesLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

int Listen(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 4096) != 0)
        throw std::runtime_error("cannot listen");
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

int Connect(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error(std::string("connect: ") + std::strerror(errno));
    fcntl(fd, F_SETFL, O_NONBLOCK);
    return fd;
}

void SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            if (errno == EAGAIN) continue;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

// ---- The minimal relay: registration answered with 2150, commands forwarded as 2121. ----

// Runs in a child process of its own, as the server does, so both are measured alike.
class MinimalRelay {
  public:
    MinimalRelay() : listener_(Listen(port_)) {
        pid_ = fork();
        if (pid_ == 0) {
            Run();
            _exit(0);
        }
        close(listener_);
    }
    ~MinimalRelay() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    int Port() const { return port_; }
    pid_t Pid() const { return pid_; }

  private:
    struct Connection {
        FrameDecoder decoder;
        std::string nickname;
    };

    void Run() {
        const int poller = epoll_create1(0);
        fcntl(listener_, F_SETFL, O_NONBLOCK);
        epoll_event event{EPOLLIN, {.fd = listener_}};
        epoll_ctl(poller, EPOLL_CTL_ADD, listener_, &event);
        std::vector<epoll_event> ready(1024);
        char buffer[64 * 1024];
        while (true) {
            const int count = epoll_wait(poller, ready.data(), static_cast<int>(ready.size()), -1);
            for (int i = 0; i < count; ++i) {
                const int fd = ready[i].data.fd;
                if (fd == listener_) {
                    for (int client;
                         (client = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK)) >= 0;) {
                        const int one = 1;
                        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                        connections_[client];
                        epoll_event added{EPOLLIN, {.fd = client}};
                        epoll_ctl(poller, EPOLL_CTL_ADD, client, &added);
                    }
                    continue;
                }
                const ssize_t size = recv(fd, buffer, sizeof buffer, 0);
                if (size <= 0) continue;
                Connection& connection = connections_[fd];
                std::string_view input(buffer, static_cast<std::size_t>(size));
                Frame frame;
                while (connection.decoder.Next(input, frame) == FrameDecoder::Status::kFrame)
                    Handle(fd, connection, frame);
            }
        }
    }

    void Handle(int fd, Connection& connection, const Frame& frame) {
        if (frame.code == static_cast<uint16_t>(RequestKind::kRegister)) {
            connection.nickname = frame.fields.at(0);
            byNickname_[connection.nickname] = fd;
            SendAll(fd, *EncodeEvent(kEventLoggedIn, connection.nickname));
        } else if (frame.code == static_cast<uint16_t>(RequestKind::kPrivateGameCommand)) {
            const auto target = byNickname_.find(frame.fields.at(0));
            if (target == byNickname_.end()) return;
            SendAll(target->second, *EncodeEvent(kEventPrivateGameCommand,
                                                 connection.nickname + " " + frame.fields.at(1)));
        }
    }

    int port_ = 0;
    int listener_;
    pid_t pid_ = -1;
    std::unordered_map<int, Connection> connections_;
    std::unordered_map<std::string, int> byNickname_;
};

// ---- The clients. ----

struct Client {
    int fd = -1;
    FrameDecoder decoder;
    bool loggedIn = false;
};

class Clients {
  public:
    explicit Clients(int count)
        : clients_(static_cast<std::size_t>(count)), poller_(epoll_create1(0)) {}
    ~Clients() {
        for (Client& client : clients_) close(client.fd);
        close(poller_);
    }

    // Connects and registers every client ("L<i>" in game "Load<i/2>"), a batch at a time;
    // returns the seconds until the last 2150 arrived.
    double LogInAll(int port, const std::string& prefix) {
        const auto start = SteadyClock::now();
        constexpr std::size_t kBatch = 500;
        for (std::size_t first = 0; first < clients_.size(); first += kBatch) {
            const std::size_t end = std::min(clients_.size(), first + kBatch);
            for (std::size_t i = first; i < end; ++i) {
                Client& client = clients_[i];
                client.fd = Connect(port);
                epoll_event event{EPOLLIN, {.u64 = i}};
                epoll_ctl(poller_, EPOLL_CTL_ADD, client.fd, &event);
                const std::string game = "Load" + std::to_string(i / 2);
                SendAll(client.fd, *EncodeFrame(RequestKind::kHello, {"5.0", "501"}) +
                                       *EncodeFrame(RequestKind::kRegister,
                                                    {prefix + std::to_string(i), "abcdefg", game}));
            }
            while (loggedIn_ < end) Poll(100);
        }
        return std::chrono::duration<double>(SteadyClock::now() - start).count();
    }

    // Pairs send each other commands carrying their send time, `rate` a second in total, for
    // `seconds`; returns the latencies in microseconds.
    std::vector<double> Relay(const std::string& prefix, int rate, int seconds) {
        latencies_.clear();
        latencies_.reserve(static_cast<std::size_t>(rate) * static_cast<std::size_t>(seconds));
        const auto start = SteadyClock::now();
        const auto end = start + std::chrono::seconds(seconds);
        long long sent = 0;
        std::size_t next = 0;
        while (SteadyClock::now() < end) {
            const double elapsed =
                std::chrono::duration<double>(SteadyClock::now() - start).count();
            for (; sent < static_cast<long long>(elapsed * rate); ++sent) {
                const std::size_t from = next++ % clients_.size();
                const std::size_t to = from ^ 1;
                const std::string command = "MELD\xFE" + std::to_string(NowNs()) + "\xFF";
                SendAll(clients_[from].fd, *EncodeFrame(RequestKind::kPrivateGameCommand,
                                                        {prefix + std::to_string(to), command}));
            }
            Poll(1);
        }
        // The last commands still on their way.
        const auto drainEnd = SteadyClock::now() + std::chrono::milliseconds(500);
        while (SteadyClock::now() < drainEnd) Poll(10);
        return latencies_;
    }

  private:
    void Poll(int timeoutMs) {
        epoll_event ready[256];
        const int count = epoll_wait(poller_, ready, 256, timeoutMs);
        char buffer[64 * 1024];
        for (int i = 0; i < count; ++i) {
            Client& client = clients_[ready[i].data.u64];
            const ssize_t size = recv(client.fd, buffer, sizeof buffer, 0);
            if (size <= 0) continue;
            std::string_view input(buffer, static_cast<std::size_t>(size));
            Frame frame;
            while (client.decoder.Next(input, frame) == FrameDecoder::Status::kFrame) {
                if (frame.code == kEventLoggedIn && !client.loggedIn) {
                    client.loggedIn = true;
                    ++loggedIn_;
                } else if (frame.code == static_cast<uint16_t>(RequestKind::kPing)) {
                    SendAll(client.fd, *EncodeFrame(RequestKind::kPong));
                } else if (frame.code == kEventPrivateGameCommand) {
                    const std::string& text = frame.fields.at(0);
                    const auto at = text.find('\xFE');
                    long long sentNs = 0;
                    std::from_chars(text.data() + at + 1, text.data() + text.size(), sentNs);
                    latencies_.push_back(static_cast<double>(NowNs() - sentNs) / 1000.0);
                }
            }
        }
    }

    std::vector<Client> clients_;
    int poller_;
    std::size_t loggedIn_ = 0;
    std::vector<double> latencies_;
};

// ---- The server process. ----

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

double CpuSecondsOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::string rest = text.substr(text.rfind(')') + 2);
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < rest.size();) {
        const std::size_t space = rest.find(' ', at);
        fields.push_back(rest.substr(at, space - at));
        if (space == std::string::npos) break;
        at = space + 1;
    }
    // utime and stime are the 14th and 15th fields of the line, 12th and 13th after the name.
    return static_cast<double>(std::stol(fields[11]) + std::stol(fields[12])) /
           static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Server {
    pid_t pid = -1;
    int port = 0;
    std::string folder;

    explicit Server(const std::string& path) {
        char pattern[] = "/tmp/tavolex-load-XXXXXX";
        folder = mkdtemp(pattern);
        int output[2];
        if (pipe(output) != 0) throw std::runtime_error("pipe");
        pid = fork();
        if (pid == 0) {
            dup2(output[1], STDOUT_FILENO);
            const std::string database = folder + "/server.db";
            execl(path.c_str(), path.c_str(), "--database", database.c_str(), "--port", "0",
                  "--http-port", "-1", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(output[1]);
        std::string line;
        char c;
        while (line.find('\n') == std::string::npos && read(output[0], &c, 1) == 1) line += c;
        close(output[0]);
        const auto colon = line.find(':', line.find("lobby on"));
        if (colon == std::string::npos) throw std::runtime_error("server did not start: " + line);
        port = std::stoi(line.substr(colon + 1));
    }
    ~Server() {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::system(("rm -rf " + folder).c_str());
    }
};

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    const auto at =
        values.begin() + static_cast<long>(fraction * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

struct RelayFigures {
    double p50, p99, cpuShare;
    std::size_t delivered;
};

RelayFigures Measure(Clients& clients, const std::string& prefix, const Options& options,
                     const std::function<double()>& cpuSeconds) {
    clients.Relay(prefix, options.rate, 1);  // warm-up
    const double cpuBefore = cpuSeconds();
    const auto start = SteadyClock::now();
    const std::vector<double> latencies = clients.Relay(prefix, options.rate, options.seconds);
    const double wall = std::chrono::duration<double>(SteadyClock::now() - start).count();
    return {Percentile(latencies, 0.5), Percentile(latencies, 0.99),
            (cpuSeconds() - cpuBefore) / wall, latencies.size()};
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--clients")
            options.clients = std::max(2, std::atoi(argv[i + 1]) / 2 * 2);
        else if (name == "--rate")
            options.rate = std::clamp(std::atoi(argv[i + 1]), 1, 100'000);
        else if (name == "--seconds")
            options.seconds = std::clamp(std::atoi(argv[i + 1]), 1, 120);
        else if (name == "--server")
            options.server = argv[i + 1];
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--clients N] [--rate PER_SECOND] [--seconds S] [--server PATH]\n",
                     argv[0]);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    RaiseOpenFilesLimit();  // the server started below inherits it
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_cur < static_cast<rlim_t>(options.clients) + 100) {
        std::fprintf(stderr, "open-files limit %lu is too low for %d clients\n",
                     static_cast<unsigned long>(limit.rlim_cur), options.clients);
        return 1;
    }

    RelayFigures server{}, baseline{};
    {
        Server process(options.server);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const long rssBefore = ResidentKb(process.pid);
        Clients clients(options.clients);
        const double loginSeconds = clients.LogInAll(process.port, "L");
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const long rssAfter = ResidentKb(process.pid);
        std::printf("tavolex-server: %d clients logged in (registered) in %.2f s: %.0f logins/s\n",
                    options.clients, loginSeconds, options.clients / loginSeconds);
        std::printf("tavolex-server: resident memory %ld KB -> %ld KB: %.2f KB per idle session\n",
                    rssBefore, rssAfter,
                    static_cast<double>(rssAfter - rssBefore) / options.clients);
        server = Measure(clients, "L", options, [&] { return CpuSecondsOf(process.pid); });
    }
    {
        MinimalRelay relay;
        Clients clients(options.clients);
        clients.LogInAll(relay.Port(), "L");
        baseline = Measure(clients, "L", options, [&] { return CpuSecondsOf(relay.Pid()); });
    }
    const auto report = [&](const char* name, const RelayFigures& figures) {
        std::printf(
            "%s: %d msg/s for %d s, %zu delivered: latency p50 %.0f us, p99 %.0f us, CPU %.1f%%\n",
            name, options.rate, options.seconds, figures.delivered, figures.p50, figures.p99,
            figures.cpuShare * 100);
    };
    report("tavolex-server ", server);
    report("minimal relay  ", baseline);
    std::printf("ratios server/baseline: p50 %.2f, p99 %.2f, CPU %.2f\n", server.p50 / baseline.p50,
                server.p99 / baseline.p99, server.cpuShare / baseline.cpuShare);
    return 0;
}
