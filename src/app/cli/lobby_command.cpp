// "tavolex-cli lobby": a scriptable client of the game server on the program's own protocol
// code, so scripts, tests and a person can talk to a server without the window.
#include <charconv>
#include <map>
#include <ostream>
#include <variant>

#include "app/cli/commands.h"
#include "app/cli/posix_game_server.h"

namespace tavolex::cli {

namespace {

// How long a login or a "wait:" may take before the run gives up.
constexpr int kWaitMilliseconds = 10000;

struct LobbyRequest {
    std::string verb;   // join, create, rooms, users, motd, say, private, wait, sleep
    std::string first;  // room, text or nickname
    std::string second;
    int number = 0;  // wait's code, sleep's milliseconds
};

struct LobbyOptions {
    std::string host;
    int port = 0;
    std::string nickname;
    bool registerFirst = false;
    std::vector<LobbyRequest> requests;
};

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// "\xNN" in a request's text stands for that byte, so scripts can send 0xFE and 0xFF.
std::string Unescaped(const std::string& text) {
    std::string bytes;
    for (size_t at = 0; at < text.size(); ++at) {
        int value = 0;
        if (text.compare(at, 2, "\\x") == 0 && at + 4 <= text.size() &&
            std::from_chars(text.data() + at + 2, text.data() + at + 4, value, 16).ptr ==
                text.data() + at + 4) {
            bytes += static_cast<char>(value);
            at += 3;
        } else {
            bytes += text[at];
        }
    }
    return bytes;
}

// An event as one line: the carriage return that ends every text is dropped, and bytes that
// are not printable ASCII show as "\xNN".
std::string EventLine(int code, const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line = std::to_string(code);
    const size_t length = !text.empty() && text.back() == '\r' ? text.size() - 1 : text.size();
    if (length > 0) line += ' ';
    for (size_t at = 0; at < length; ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x20 && byte < 0x7F) {
            line += text[at];
        } else {
            line += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return line;
}

std::variant<LobbyRequest, std::string> ParseRequest(const std::string& argument) {
    const size_t colon = argument.find(':');
    LobbyRequest request{argument.substr(0, colon), "", "", 0};
    const std::string rest =
        colon == std::string::npos ? "" : Unescaped(argument.substr(colon + 1));
    const std::string& verb = request.verb;
    const bool hasArgument = colon != std::string::npos && !rest.empty();
    if ((verb == "rooms" || verb == "motd") && colon == std::string::npos) return request;
    if ((verb == "join" || verb == "users" || verb == "say") && hasArgument) {
        request.first = rest;
        return request;
    }
    if ((verb == "create" || verb == "private") && hasArgument) {
        // A room name may hold colons, a nickname may not.
        const size_t split = verb == "create" ? rest.rfind(':') : rest.find(':');
        if (split != std::string::npos && split > 0) {
            request.first = rest.substr(0, split);
            request.second = rest.substr(split + 1);
            if (verb == "private" || !request.second.empty()) return request;
        }
    }
    if (verb == "wait" || verb == "sleep") {
        const std::optional<int> number = WholeNumber(rest, verb == "wait" ? 1 : 0, 600000);
        if (number) {
            request.number = *number;
            return request;
        }
    }
    return "bad lobby request \"" + argument + "\"";
}

std::variant<LobbyOptions, std::string> ParseLobbyArguments(const std::vector<std::string>& args) {
    LobbyOptions options;
    for (size_t at = 0; at < args.size(); ++at) {
        const std::string& argument = args[at];
        const bool hasValue = at + 1 < args.size();
        if (argument == "--server" && hasValue) {
            const std::string& address = args[++at];
            const size_t colon = address.rfind(':');
            const std::optional<int> port = colon == std::string::npos
                                                ? std::nullopt
                                                : WholeNumber(address.substr(colon + 1), 1, 65535);
            if (!port || colon == 0) return "--server takes HOST:PORT";
            options.host = address.substr(0, colon);
            options.port = *port;
        } else if (argument == "--nick" && hasValue) {
            options.nickname = args[++at];
        } else if (argument == "--register") {
            options.registerFirst = true;
        } else if (argument.starts_with("--")) {
            return "unknown or incomplete option \"" + argument + "\"";
        } else {
            auto request = ParseRequest(argument);
            if (auto* error = std::get_if<std::string>(&request)) return *error;
            options.requests.push_back(std::get<LobbyRequest>(request));
        }
    }
    if (options.host.empty() || options.nickname.empty()) {
        return "lobby needs --server HOST:PORT and --nick NAME";
    }
    return options;
}

// Whether an event ends a login: 2150, or a refusal (4210 only warns and the login goes on).
bool EndsLogin(int code) {
    return code == kEventLoggedIn || code == kEventConnectionClosed || code == kEventError ||
           (code >= 4000 && code != kEventNewerVersion);
}

// Prints every event at once and counts them, so "wait:" can take each one once.
class EventPrinter : public GameServerWindow {
  public:
    explicit EventPrinter(std::ostream& out) : out_(out) {}
    void PostGameServerEvent(int code, const std::string& text) override {
        out_ << EventLine(code, text) << std::endl;
        ++received_[code];
        if (loginEnd_ == 0 && EndsLogin(code)) loginEnd_ = code;
    }
    // Takes the next event of this code not yet taken.
    bool Take(int code) {
        if (received_[code] <= taken_[code]) return false;
        ++taken_[code];
        return true;
    }
    // The event that ended the login, 0 while it runs.
    int LoginEnd() const { return loginEnd_; }

  private:
    std::ostream& out_;
    std::map<int, int> received_;
    std::map<int, int> taken_;
    int loginEnd_ = 0;
};

int Fail(std::ostream& err, const std::string& text) {
    err << "tavolex-cli: " << text << '\n';
    return kExitFailed;
}

int Perform(PosixGameServer& server, EventPrinter& printer, const LobbyRequest& request,
            std::ostream& err) {
    const std::string& verb = request.verb;
    if (verb == "join") server.GS_JoinRoom(request.first);
    if (verb == "create") server.GS_CreateRoom(request.first, request.second);
    if (verb == "rooms") server.GS_GetAllRooms(kGameId);
    if (verb == "users") server.GS_GetUserList(request.first);
    if (verb == "motd") server.GS_GetMOTD();
    if (verb == "say") server.GS_PublicMessage(request.first);
    if (verb == "private") server.GS_PrivateGameCommand(request.first, request.second);
    if (verb == "sleep") server.Pump(request.number, [] { return false; });
    if (verb == "wait") {
        bool seen = false;
        server.Pump(kWaitMilliseconds, [&] { return seen = printer.Take(request.number); });
        if (!seen && !printer.Take(request.number)) {
            return Fail(err, "no event " + std::to_string(request.number) + " arrived");
        }
    }
    return kExitOk;
}

}  // namespace

int RunLobby(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto parsed = ParseLobbyArguments(arguments);
    if (auto* error = std::get_if<std::string>(&parsed)) return ReportBadInput(err, *error);
    const LobbyOptions& options = std::get<LobbyOptions>(parsed);

    PosixGameServer server;
    EventPrinter printer(out);
    const std::string address = options.host + ":" + std::to_string(options.port);
    if (server.GS_Connect(options.host, options.port, &printer) < 0) {
        return Fail(err, "cannot reach the game server at " + address);
    }
    if (options.registerFirst) {
        server.GS_Register(options.nickname, kLobbyPassword, "a", "a", "player@example.invalid", 0,
                           "a", "a", "a", "a", "a", kGameId);
    } else {
        server.GS_Login(options.nickname, kLobbyPassword, kGameId);
    }
    server.Pump(kWaitMilliseconds, [&] { return printer.LoginEnd() != 0; });
    if (printer.LoginEnd() == 0) return Fail(err, "no answer to the login from " + address);
    if (printer.LoginEnd() != kEventLoggedIn) {
        return Fail(err, "the login ended with event " + std::to_string(printer.LoginEnd()));
    }
    for (const LobbyRequest& request : options.requests) {
        if (const int status = Perform(server, printer, request, err); status != kExitOk) {
            return status;
        }
    }
    server.GS_Disconnect();
    server.Pump(kWaitMilliseconds, [] { return false; });
    return kExitOk;
}

}  // namespace tavolex::cli
