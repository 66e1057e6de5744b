// "tavolex-cli netplay": a headless player of whole network matches over a real game server.
// It logs in, agrees on the match through the lobby's invitation commands and then plays
// through the same engine code as the window.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>

#include "app/cli/command_pacer.h"
#include "app/cli/commands.h"
#include "app/cli/netplay_side.h"
#include "app/cli/posix_game_server.h"
#include "game/memory_settings.h"
#include "lobby/event_words.h"
#include "lobby/lobby.h"
#include "lobby/wire_format.h"

namespace tavolex::cli {

namespace {

constexpr int kLoginMilliseconds = 10000;
// How long one side waits for the other to come to the lobby, to answer, or to move.
constexpr int kPatienceMilliseconds = 30000;
constexpr int kRetryMilliseconds = 200;

// The program around the lobby, without windows: the invitation question is answered Yes,
// and once the match runs the game commands go to the table's side of it.
class NetplayHost : public GameServerWindow,
                    public LobbyView,
                    public LobbyHost,
                    public GameServerAddressSource {
  public:
    explicit NetplayHost(GameServerAddress address) : address_(std::move(address)) {}
    void Attach(Lobby& lobby) { lobby_ = &lobby; }
    // The match has started on this side: game commands go to it from now on, those that came
    // with the last lobby events first.
    void Play(NetplaySide& side) {
        side_ = &side;
        for (const std::string& text : early_) side.ReceiveEvent(text);
        early_.clear();
    }

    void PostGameServerEvent(int code, const std::string& text) override {
        ++events_;
        if (lobby_->State().State == kLobbyPlaying && code == kEventPrivateGameCommand) {
            if (side_ == nullptr) early_.push_back(text);
            if (side_ != nullptr && !side_->Done()) side_->ReceiveEvent(text);
            return;
        }
        const bool opponentGone = (code == kEventUserLeft || code == kEventUserOffline) &&
                                  FirstWord(text) == lobby_->Match().OpponentName;
        if (side_ != nullptr && !side_->Done() &&
            (code == kEventConnectionClosed || code == kEventError || opponentGone)) {
            lost_ = "event " + std::to_string(code) + " " + LineOf(text);
        }
        lobby_->GameServerEvent(code, text);
    }
    void PostInvited() override { ++invitations_; }
    std::optional<GameServerAddress> FetchGameServerAddress() override { return address_; }
    void AddChatLine(const std::string&) override {}
    void ClearChat() override {}
    void ShowAvailablePlayers(const std::vector<std::string>&) override {}
    void ShowNowPlaying(const std::vector<std::string>&) override {}
    void UpdateControls() override {}
    void SetBusyCursor(bool) override {}
    void FocusChatInput() override {}
    void CloseWithOk() override {}

    bool TakeInvitation() {
        if (invitations_ == 0) return false;
        --invitations_;
        return true;
    }
    long Events() const { return events_; }
    // The event that ended the match early, if any.
    const std::optional<std::string>& Lost() const { return lost_; }

  private:
    GameServerAddress address_;
    Lobby* lobby_ = nullptr;
    NetplaySide* side_ = nullptr;
    std::vector<std::string> early_;
    int invitations_ = 0;
    long events_ = 0;
    std::optional<std::string> lost_;
};

struct Session {
    PosixGameServer& server;
    NetplayHost& host;
    Lobby& lobby;
    HeadlessDialogs& dialogs;

    // Reads events until done() or the time is up; tells whether done() held. done() may take
    // what it found, so it is not asked again once it held.
    template <typename Done>
    bool PumpUntil(int milliseconds, Done done) {
        bool held = false;
        server.Pump(milliseconds, [&] { return held = done(); });
        return held || done();
    }
    // The inviter waits for the other player in the lobby and invites until an answer is yes.
    bool Invite(const std::string& other) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMilliseconds);
        while (std::chrono::steady_clock::now() < deadline) {
            const auto& players = lobby.AvailablePlayers();
            if (std::find(players.begin(), players.end(), other) != players.end()) {
                lobby.Invite(other);
                if (PumpUntil(kPatienceMilliseconds,
                              [&] { return lobby.State().State != kLobbyInviting; }) &&
                    lobby.State().State == kLobbyPlaying) {
                    return true;
                }
            }
            server.Pump(kRetryMilliseconds, [] { return false; });
        }
        return false;
    }
    bool Accept() {
        if (!PumpUntil(kPatienceMilliseconds, [&] { return host.TakeInvitation(); })) return false;
        dialogs.yesNoAnswers.push_back(true);
        lobby.AnswerInvitation();
        return PumpUntil(kPatienceMilliseconds,
                         [&] { return lobby.State().State == kLobbyPlaying; });
    }
    // Plays until this side's matches are over; the reason when play cannot go on.
    std::optional<std::string> Play(NetplaySide& side) {
        auto lastEvent = std::chrono::steady_clock::now();
        while (!side.Done()) {
            if (side.MayAct()) {
                side.Act();
                continue;
            }
            const long events = host.Events();
            server.Pump(kRetryMilliseconds * 5, [&] { return host.Events() != events; });
            if (host.Lost()) return "the match ended early with " + *host.Lost();
            if (!server.Connected()) return "the server closed the connection";
            const auto now = std::chrono::steady_clock::now();
            if (host.Events() != events) lastEvent = now;
            if (now - lastEvent > std::chrono::milliseconds(kPatienceMilliseconds)) {
                return "nothing arrived from the opponent for " +
                       std::to_string(kPatienceMilliseconds / 1000) + " s";
            }
        }
        return side.Violation();
    }
};

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

void PrintSummary(std::ostream& out, const NetplayTally& tally, double seconds) {
    out << tally.matches << " matches, " << tally.hands << " hands, " << tally.sentMessages
        << " messages sent (" << tally.sentBytes << " bytes), " << tally.receivedMessages
        << " received (" << tally.receivedBytes << " bytes), "
        << Fixed(seconds > 0 ? tally.hands / seconds : 0) << " hands per second, "
        << Fixed(tally.hands > 0 ? static_cast<double>(tally.sentBytes) / tally.hands : 0)
        << " bytes sent per hand, " << tally.refusedMessages << " messages refused\n";
}

}  // namespace

int RunNetplay(const Options& options, std::ostream& out, std::ostream& err) {
    std::ofstream digest;
    if (!options.digest.empty()) {
        digest.open(options.digest, std::ios::binary | std::ios::trunc);
        if (!digest) return ReportBadInput(err, "cannot write " + options.digest);
    }
    PosixGameServer server;
    NetplayHost host(options.server);
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby(server, host, host, host, dialogs, settings);
    host.Attach(lobby);
    lobby.AttachView(&host);
    const std::string address = options.server.server + ":" + std::to_string(options.server.port);
    lobby.Login({CleanNickname(options.nickname), kLobbyJustForFun, ""});
    Session session{server, host, lobby, dialogs};
    if (lobby.State().State == kLobbyOffline) {
        return ReportFailure(err, "cannot reach the game server at " + address);
    }
    session.PumpUntil(kLoginMilliseconds, [&] { return lobby.State().State != kLobbyLoggingIn; });
    if (lobby.State().State != kLobbyAvailable)
        return ReportFailure(err, "the login at " + address + " failed");
    const bool invited = !options.invite.empty();
    if (!(invited ? session.Invite(options.invite) : session.Accept())) {
        return ReportFailure(err, "no match was agreed in the lobby");
    }
    // The lobby window closes as the match begins.
    lobby.AttachView(nullptr);
    lobby.StartNetworkGame();
    const NetworkMatch& match = lobby.Match();
    CommandPacer pacer;
    NetplaySide side(
        options, invited,
        [&](const std::string& message) {
            pacer.Wait();
            server.GS_PrivateGameCommand(match.OpponentName, message);
        },
        digest.is_open() ? &digest : nullptr);
    const auto start = std::chrono::steady_clock::now();
    side.Start(match.OwnNetName, match.OpponentName);
    host.Play(side);
    side.Chat("good luck");
    const std::optional<std::string> failure = session.Play(side);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    server.GS_Disconnect();
    PrintSummary(out, side.Tally(), seconds);
    if (failure) {
        return ReportFailure(err, *failure);
    }
    return side.Tally().refusedMessages == 0 ? kExitOk : kExitFailed;
}

int RunNetplayCompare(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    if (arguments.size() != 2) return ReportBadInput(err, "netplay-compare takes two digest files");
    std::ifstream first(arguments[0], std::ios::binary);
    std::ifstream second(arguments[1], std::ios::binary);
    if (!first || !second) {
        return ReportBadInput(err, "cannot read " + arguments[first ? 1 : 0]);
    }
    const DigestComparison comparison = CompareDigests(first, second);
    if (comparison.disagreement) {
        out << "disagreement after " << comparison.compared << " points in agreement:\n"
            << *comparison.disagreement << '\n';
        return kExitFailed;
    }
    out << comparison.compared << " points compared, no disagreement\n";
    return comparison.compared > 0 ? kExitOk : kExitFailed;
}

}  // namespace tavolex::cli
