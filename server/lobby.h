// The lobby: accounts, logins, rooms, chat and the relay of private game commands. It knows no
// sockets; sessions hand it decoded requests and it answers through Participant and Presence.
// Everything runs on one thread.
#pragma once

#include <chrono>
#include <string>
#include <unordered_map>
#include <vector>

#include "database.h"
#include "lobby/wire_format.h"
#include "participant.h"
#include "presence.h"
#include "rate_limit.h"
#include "server_clock.h"

namespace tavolex::server {

struct LobbySettings {
    std::string latestVersion = "5.0";
    std::string minimumVersion = "5.0";
    std::string downloadAddress;  // the third word of 4220
    std::vector<std::string> motd;
    std::chrono::milliseconds pingInterval{30'000};
    std::chrono::milliseconds dropSilentAfter{90'000};
    // A login may replace a session of its nickname that has been silent this long.
    std::chrono::milliseconds replaceSilentAfter{15'000};
    RateLimit chat{5, 2};
    RateLimit privateCommands{200, 50};
};

class Lobby {
  public:
    Lobby(Presence& presence, Database& database, ServerClock& clock, LobbySettings settings);

    void Connected(Participant& participant);
    void Received(Participant& participant, const Frame& request);
    // The connection ended (or must end, as a slow reader): forget it and tell the others.
    void Disconnected(Participant& participant);
    // Sends `text` as 1992, then closes: for a broken or hostile client.
    void Refuse(Participant& participant, std::string_view text);
    // Pings the sessions that are due and drops the silent ones; called about once a second.
    void Tick();
    // Every session gets 1992 "Server is shutting down" and is closed.
    void Shutdown();

    std::size_t SessionCount() const { return sessions_.size(); }

    // The default lobby room of a game id: "LOBBY-Tavolex501" for "Tavolex501".
    static std::string DefaultRoom(std::string_view gameId);

  private:
    struct Session {
        Session(TimePoint now, const LobbySettings& settings)
            : lastHeard(now),
              lastPing(now),
              chat(settings.chat, now),
              commands(settings.privateCommands, now) {}

        std::string nickname;  // empty until logged in
        std::string gameId;
        std::string room;
        std::string clientVersion;
        std::string protocol;
        TimePoint lastHeard;
        TimePoint lastPing;
        TokenBucket chat;
        TokenBucket commands;
        bool LoggedIn() const { return !nickname.empty(); }
    };
    using Handler = void (Lobby::*)(Participant&, Session&, const Frame&);
    struct Route {
        Handler handler;
        std::size_t fields;
        bool needsLogin;
    };
    static const Route* FindRoute(std::uint16_t code);

    void Send(Participant& participant, std::uint16_t code, std::string_view text);
    // Forgets the session and tells the others; `farewell` (if any) goes out as 1992 first.
    void Drop(Participant& participant, std::string_view farewell);
    bool VersionAllowsLogin(Participant& participant, const Session& session);
    bool GameIdIsValid(Participant& participant, std::string_view gameId);
    void LogIn(Participant& participant, Session& session, const std::string& nickname,
               const std::string& gameId);
    void EnterRoom(Participant& participant, Session& session, const std::string& room);
    void LeaveRoom(Session& session);

    void Hello(Participant&, Session&, const Frame&);
    void Login(Participant&, Session&, const Frame&);
    void Register(Participant&, Session&, const Frame&);
    void Motd(Participant&, Session&, const Frame&);
    void AllRooms(Participant&, Session&, const Frame&);
    void CreateRoom(Participant&, Session&, const Frame&);
    void JoinRoom(Participant&, Session&, const Frame&);
    void CloseRoom(Participant&, Session&, const Frame&);
    void UserList(Participant&, Session&, const Frame&);
    void PublicMessage(Participant&, Session&, const Frame&);
    void PrivateCommand(Participant&, Session&, const Frame&);
    void Disconnect(Participant&, Session&, const Frame&);
    void Ping(Participant&, Session&, const Frame&);
    void Pong(Participant&, Session&, const Frame&);

    Presence& presence_;
    Database& database_;
    ServerClock& clock_;
    LobbySettings settings_;
    std::unordered_map<Participant*, Session> sessions_;
};

}  // namespace tavolex::server
