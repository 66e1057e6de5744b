// "tavolex-cli lobby": a scriptable client of the game server on the program's own protocol
// code, so scripts, tests and a person can talk to a server without the window.
#include <charconv>
#include <chrono>
#include <map>
#include <ostream>
#include <thread>
#include <variant>

#include "app/cli/commands.h"
#include "app/cli/posix_game_server.h"
#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "lobby/event_words.h"
#include "lobby/lobby.h"

namespace tavolex::cli {

namespace {

// How long a login or a "wait:" may take before the run gives up.
constexpr int kWaitMilliseconds = 10000;

struct LobbyRequest {
    std::string verb;   // join, create, rooms, users, motd, say, private, wait, sleep, hold,
                        // invite, accept, decline, cancel, state
    std::string first;  // room, text or nickname
    std::string second;
    int number = 0;  // wait's code, sleep's and hold's milliseconds, the lobby state awaited
};

struct LobbyOptions {
    std::string host;
    int port = 0;
    std::string nickname;
    std::string privateRoom;  // logs in to this private lobby room when not empty
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
    const bool plain = verb == "rooms" || verb == "motd" || verb == "accept" || verb == "decline" ||
                       verb == "cancel";
    if (plain && colon == std::string::npos) return request;
    if ((verb == "join" || verb == "users" || verb == "say" || verb == "invite") && hasArgument) {
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
    if (verb == "wait" || verb == "sleep" || verb == "hold" || verb == "state") {
        const std::optional<int> number =
            WholeNumber(rest, verb == "wait" ? 1 : 0, verb == "state" ? kLobbyPlaying : 600000);
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
            const std::optional<GameServerAddress> address = ParseServerAddress(args[++at]);
            if (!address) return "--server takes HOST:PORT";
            options.host = address->server;
            options.port = address->port;
        } else if (argument == "--nick" && hasValue) {
            options.nickname = args[++at];
        } else if (argument == "--room" && hasValue) {
            options.privateRoom = args[++at];
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

// The lobby as the tool shows it: every event prints as it arrives and then goes to the
// lobby's logic; its chat lines, the "Now Playing" list and each change of its state print as
// lines of their own. Counts the events, so "wait:" can take each one once, and the invitations
// that await an answer.
class LobbyPrinter : public GameServerWindow,
                     public LobbyView,
                     public LobbyHost,
                     public GameServerAddressSource {
  public:
    LobbyPrinter(std::ostream& out, GameServerAddress address) : out_(out), address_(address) {}
    void Attach(Lobby& lobby) {
        lobby_ = &lobby;
        lobby.AttachView(this);
    }

    void PostGameServerEvent(int code, const std::string& text) override {
        out_ << EventLine(code, text) << std::endl;
        ++received_[code];
        lastCode_ = code;
        lobby_->State().LastEvent = text;
        lobby_->GameServerEvent(code, text);
        PrintState();
    }
    void AddChatLine(const std::string& line) override { out_ << "chat: " << line << std::endl; }
    void ShowNowPlaying(const std::vector<std::string>& matches) override {
        out_ << "playing:";
        for (const std::string& match : matches)
            out_ << (&match == &matches[0] ? " " : ", ") << match;
        out_ << std::endl;
    }
    void PostInvited() override { ++invitations_; }
    std::optional<GameServerAddress> FetchGameServerAddress() override { return address_; }
    void ClearChat() override {}
    void ShowAvailablePlayers(const std::vector<std::string>&) override {}
    void UpdateControls() override {}
    void SetBusyCursor(bool) override {}
    void FocusChatInput() override {}
    void CloseWithOk() override {}

    // Prints the lobby's state when it changed since the last print.
    void PrintState() {
        if (lobby_->State().State == printedState_) return;
        printedState_ = lobby_->State().State;
        out_ << "state " << int(printedState_) << std::endl;
    }
    // Takes the next event of this code not yet taken.
    bool Take(int code) {
        if (received_[code] <= taken_[code]) return false;
        ++taken_[code];
        return true;
    }
    // Takes the next invitation not yet answered.
    bool TakeInvitation() {
        if (invitations_ == 0) return false;
        --invitations_;
        return true;
    }
    int LastCode() const { return lastCode_; }

  private:
    std::ostream& out_;
    GameServerAddress address_;
    Lobby* lobby_ = nullptr;
    std::map<int, int> received_;
    std::map<int, int> taken_;
    int invitations_ = 0;
    int lastCode_ = 0;
    uint8_t printedState_ = kLobbyOffline;
};

// With --register a new name is registered instead of logged in, so a taken name is refused.
class RegisteringServer : public PosixGameServer {
  public:
    explicit RegisteringServer(bool registerFirst) : registerFirst_(registerFirst) {}
    int GS_Login(const std::string& nickname, const std::string& password,
                 const std::string& gameId) override {
        if (!registerFirst_) return PosixGameServer::GS_Login(nickname, password, gameId);
        return GS_Register(nickname, password, "a", "a", "player@example.invalid", 0, "a", "a", "a",
                           "a", "a", gameId);
    }

  private:
    bool registerFirst_;
};

struct LobbyRun {
    PosixGameServer& server;
    LobbyPrinter& printer;
    Lobby& lobby;
    HeadlessDialogs& dialogs;
    std::ostream& err;

    // Reads events until done() or the time is up; tells whether done() held. done() may take
    // what it found, so it is not asked again once it held.
    template <typename Done>
    bool PumpUntil(Done done) {
        bool held = false;
        server.Pump(kWaitMilliseconds, [&] { return held = done(); });
        return held || done();
    }
    int Perform(const LobbyRequest& request);
};

int LobbyRun::Perform(const LobbyRequest& request) {
    const std::string& verb = request.verb;
    if (verb == "join") server.GS_JoinRoom(request.first);
    if (verb == "create") server.GS_CreateRoom(request.first, request.second);
    if (verb == "rooms") server.GS_GetAllRooms(kGameId);
    if (verb == "users") server.GS_GetUserList(request.first);
    if (verb == "motd") server.GS_GetMOTD();
    if (verb == "say") server.GS_PublicMessage(request.first);
    if (verb == "private") server.GS_PrivateGameCommand(request.first, request.second);
    if (verb == "sleep") server.Pump(request.number, [] { return false; });
    if (verb == "hold") std::this_thread::sleep_for(std::chrono::milliseconds(request.number));
    if (verb == "invite") lobby.Invite(request.first);
    if (verb == "cancel") lobby.Cancel();
    if (verb == "accept" || verb == "decline") {
        if (!PumpUntil([&] { return printer.TakeInvitation(); })) {
            return ReportFailure(err, "no invitation arrived");
        }
        dialogs.yesNoAnswers.push_back(verb == "accept");
        lobby.AnswerInvitation();
    }
    if (verb == "wait" && !PumpUntil([&] { return printer.Take(request.number); })) {
        return ReportFailure(err, "no event " + std::to_string(request.number) + " arrived");
    }
    if (verb == "state" && !PumpUntil([&] { return lobby.State().State == request.number; })) {
        return ReportFailure(err,
                             "the lobby did not reach state " + std::to_string(request.number));
    }
    printer.PrintState();
    return kExitOk;
}

}  // namespace

int RunLobby(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto parsed = ParseLobbyArguments(arguments);
    if (auto* error = std::get_if<std::string>(&parsed)) return ReportBadInput(err, *error);
    const LobbyOptions& options = std::get<LobbyOptions>(parsed);

    RegisteringServer server(options.registerFirst);
    LobbyPrinter printer(out, {options.host, options.port});
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby(server, printer, printer, printer, dialogs, settings);
    printer.Attach(lobby);
    const std::string address = options.host + ":" + std::to_string(options.port);
    const uint8_t type = options.privateRoom.empty() ? kLobbyJustForFun : kLobbyPrivateRoom;
    lobby.Login({CleanNickname(options.nickname), type, CleanPrivateRoom(options.privateRoom)});
    printer.PrintState();
    if (lobby.State().State == kLobbyOffline) {
        return ReportFailure(err, "cannot reach the game server at " + address);
    }
    LobbyRun run{server, printer, lobby, dialogs, err};
    run.PumpUntil([&] { return lobby.State().State != kLobbyLoggingIn; });
    if (lobby.State().State == kLobbyLoggingIn) {
        return ReportFailure(err, "no answer to the login from " + address);
    }
    if (lobby.State().State != kLobbyAvailable) {
        return ReportFailure(err,
                             "the login ended with event " + std::to_string(printer.LastCode()));
    }
    for (const LobbyRequest& request : options.requests) {
        if (const int status = run.Perform(request); status != kExitOk) return status;
    }
    server.GS_Disconnect();
    server.Pump(kWaitMilliseconds, [] { return false; });
    return kExitOk;
}

}  // namespace tavolex::cli
