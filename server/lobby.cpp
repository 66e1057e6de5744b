#include "lobby.h"

#include <stdexcept>
#include <utility>

#include "names.h"
#include "version_policy.h"

namespace tavolex::server {
namespace {

std::string Joined(std::string_view first, std::string_view second) {
    std::string text(first);
    text += ' ';
    text += second;
    return text;
}

std::string Event(std::uint16_t code, std::string_view text) {
    return EncodeEvent(code, text).value_or(std::string());
}

}  // namespace

Lobby::Lobby(Presence& presence, Database& database, ServerClock& clock, LobbySettings settings)
    : presence_(presence), database_(database), clock_(clock), settings_(std::move(settings)) {}

std::string Lobby::DefaultRoom(std::string_view gameId) {
    return "LOBBY-" + std::string(gameId);
}

const Lobby::Route* Lobby::FindRoute(std::uint16_t code) {
    // Handler, number of fields, whether it needs a login.
    static const std::unordered_map<std::uint16_t, Route> routes = {
        {static_cast<std::uint16_t>(RequestKind::kHello), {&Lobby::Hello, 2, false}},
        {static_cast<std::uint16_t>(RequestKind::kLogin), {&Lobby::Login, 3, false}},
        {static_cast<std::uint16_t>(RequestKind::kRegister), {&Lobby::Register, 3, false}},
        {static_cast<std::uint16_t>(RequestKind::kGetMotd), {&Lobby::Motd, 0, true}},
        {static_cast<std::uint16_t>(RequestKind::kGetAllRooms), {&Lobby::AllRooms, 1, true}},
        {static_cast<std::uint16_t>(RequestKind::kCreateRoom), {&Lobby::CreateRoom, 2, true}},
        {static_cast<std::uint16_t>(RequestKind::kJoinRoom), {&Lobby::JoinRoom, 1, true}},
        {static_cast<std::uint16_t>(RequestKind::kGetUserList), {&Lobby::UserList, 1, true}},
        {static_cast<std::uint16_t>(RequestKind::kPublicMessage), {&Lobby::PublicMessage, 1, true}},
        {static_cast<std::uint16_t>(RequestKind::kPrivateGameCommand),
         {&Lobby::PrivateCommand, 2, true}},
        {static_cast<std::uint16_t>(RequestKind::kDisconnect), {&Lobby::Disconnect, 0, false}},
        {static_cast<std::uint16_t>(RequestKind::kCloseRoom), {&Lobby::CloseRoom, 1, true}},
        {static_cast<std::uint16_t>(RequestKind::kPing), {&Lobby::Ping, 0, false}},
        {static_cast<std::uint16_t>(RequestKind::kPong), {&Lobby::Pong, 0, false}},
    };
    const auto found = routes.find(code);
    return found == routes.end() ? nullptr : &found->second;
}

void Lobby::Connected(Participant& participant) {
    sessions_.try_emplace(&participant, clock_.Now(), settings_);
}

void Lobby::Received(Participant& participant, const Frame& request) {
    const auto found = sessions_.find(&participant);
    if (found == sessions_.end()) return;
    Session& session = found->second;
    session.lastHeard = clock_.Now();
    const Route* route = FindRoute(request.code);
    if (!route) return Refuse(participant, "Unknown request.");
    if (route->needsLogin && !session.LoggedIn())
        return Refuse(participant, "Please log in first.");
    if (request.fields.size() != route->fields) return Refuse(participant, "Malformed request.");
    try {
        (this->*route->handler)(participant, session, request);
    } catch (const std::runtime_error& error) {
        // The database failed (a full disk, say): this request fails, the server goes on.
        Send(participant, kEventError, std::string("Server error: ") + error.what());
    }
}

void Lobby::Disconnected(Participant& participant) {
    Drop(participant, {});
}

void Lobby::Refuse(Participant& participant, std::string_view text) {
    Drop(participant, text);
}

void Lobby::Tick() {
    const TimePoint now = clock_.Now();
    std::vector<Participant*> silent;
    for (auto& [participant, session] : sessions_) {
        if (now - session.lastHeard >= settings_.dropSilentAfter) {
            silent.push_back(participant);
        } else if (now - session.lastPing >= settings_.pingInterval) {
            session.lastPing = now;
            participant->Deliver(*EncodeFrame(RequestKind::kPing));
        }
    }
    for (Participant* participant : silent) Drop(*participant, "Connection timed out.");
}

void Lobby::Shutdown() {
    // Everyone goes at once, so nobody is told of the others leaving.
    const std::string farewell = Event(kEventError, "Server is shutting down");
    for (auto& [participant, session] : sessions_) {
        participant->Deliver(farewell);
        participant->Close();
        if (session.LoggedIn()) presence_.SetOffline(session.nickname);
    }
    sessions_.clear();
}

void Lobby::Send(Participant& participant, std::uint16_t code, std::string_view text) {
    participant.Deliver(Event(code, text));
}

void Lobby::Drop(Participant& participant, std::string_view farewell) {
    const auto found = sessions_.find(&participant);
    if (found == sessions_.end()) return;
    Session session = std::move(found->second);
    sessions_.erase(found);
    if (!farewell.empty()) Send(participant, kEventError, farewell);
    participant.Close();
    if (!session.LoggedIn()) return;
    LeaveRoom(session);
    presence_.SetOffline(session.nickname);
    presence_.DeliverToGame(session.gameId, Event(kEventUserOffline, session.nickname),
                            session.nickname);
}

bool Lobby::VersionAllowsLogin(Participant& participant, const Session& session) {
    switch (JudgeClientVersion(session.clientVersion, session.protocol, settings_.latestVersion,
                               settings_.minimumVersion)) {
        case VersionVerdict::kCurrent:
            return true;
        case VersionVerdict::kNewerAvailable:
            Send(participant, kEventNewerVersion,
                 "A newer version is available: " + settings_.latestVersion);
            return true;
        case VersionVerdict::kTooOld:
            Send(participant, kEventVersionTooOld, "Please upgrade: " + settings_.downloadAddress);
            return false;
        case VersionVerdict::kUnknown:
            break;
    }
    Send(participant, kEventVersionUnknown,
         Joined("Unknown client version", session.clientVersion + "/" + session.protocol));
    return false;
}

bool Lobby::GameIdIsValid(Participant& participant, std::string_view gameId) {
    if (IsValidGameId(gameId)) return true;
    Send(participant, kEventError, "Unknown game id.");
    return false;
}

void Lobby::LogIn(Participant& participant, Session& session, const std::string& nickname,
                  const std::string& gameId) {
    database_.RecordLogin(nickname);
    session.nickname = nickname;
    session.gameId = gameId;
    presence_.SetOnline(nickname, gameId, participant);
    Send(participant, kEventLoggedIn, nickname);
    const std::string room = DefaultRoom(gameId);
    if (!presence_.FindRoom(room)) presence_.CreateRoom({room, gameId, {}, true});
    EnterRoom(participant, session, room);
}

void Lobby::EnterRoom(Participant& participant, Session& session, const std::string& room) {
    if (session.room == room) return Send(participant, kEventAlreadyInRoom, room);
    LeaveRoom(session);
    session.room = room;
    presence_.Enter(room, session.nickname);
    Send(participant, kEventJoinedRoom, room);
    presence_.DeliverToRoom(room, Event(kEventUserEntered, session.nickname), session.nickname);
}

void Lobby::LeaveRoom(Session& session) {
    if (session.room.empty()) return;
    const std::string room = std::exchange(session.room, {});
    const std::size_t remaining = presence_.Leave(room, session.nickname);
    presence_.DeliverToRoom(room, Event(kEventUserLeft, session.nickname));
    const Room* state = presence_.FindRoom(room);
    if (remaining == 0 && state && !state->permanent) presence_.RemoveRoom(room);
}

void Lobby::Hello(Participant&, Session& session, const Frame& request) {
    session.clientVersion = request.fields[0];
    session.protocol = request.fields[1];
}

void Lobby::Login(Participant& participant, Session& session, const Frame& request) {
    const std::string& nickname = request.fields[0];
    const std::string& gameId = request.fields[2];
    if (session.LoggedIn()) return Send(participant, kEventError, "Already logged in.");
    if (!VersionAllowsLogin(participant, session) || !GameIdIsValid(participant, gameId)) return;
    std::optional<Account> account;
    if (IsValidNickname(nickname)) account = database_.FindAccount(nickname);
    if (!account) return Send(participant, kEventUnknownUser, nickname);
    if (account->banned) return Send(participant, kEventBanned, nickname);
    if (!database_.PasswordMatches(*account, request.fields[1]))
        return Send(participant, kEventError, "Wrong password.");
    if (Participant* old = presence_.FindUser(nickname)) {
        // A session silent for a while is taken for a dead line: the new login replaces it.
        const auto oldSession = sessions_.find(old);
        if (oldSession != sessions_.end() &&
            clock_.Now() - oldSession->second.lastHeard < settings_.replaceSilentAfter) {
            return Send(participant, kEventAlreadyLoggedIn, nickname);
        }
        Drop(*old, "You have logged in again from another place.");
    }
    LogIn(participant, session, account->nickname, gameId);
}

void Lobby::Register(Participant& participant, Session& session, const Frame& request) {
    const std::string& nickname = request.fields[0];
    const std::string& gameId = request.fields[2];
    if (session.LoggedIn()) return Send(participant, kEventError, "Already logged in.");
    if (!VersionAllowsLogin(participant, session) || !GameIdIsValid(participant, gameId)) return;
    if (nickname.size() > kMaxNicknameLength) return Send(participant, kEventNameTooLong, nickname);
    if (!IsValidNickname(nickname)) {
        return Send(participant, kEventError,
                    "A nickname has 2 to 16 printable characters and no spaces.");
    }
    if (presence_.FindUser(nickname)) return Send(participant, kEventNameLoggedIn, nickname);
    if (!database_.CreateAccount(nickname, request.fields[1]))
        return Send(participant, kEventNameInUse, nickname);
    LogIn(participant, session, nickname, gameId);
}

void Lobby::Motd(Participant& participant, Session&, const Frame&) {
    Send(participant, kEventMotdStart, "");
    for (const std::string& line : settings_.motd) Send(participant, kEventMotdLine, line);
    Send(participant, kEventMotdEnd, "");
}

void Lobby::AllRooms(Participant& participant, Session&, const Frame& request) {
    const std::string& gameId = request.fields[0];
    Send(participant, kEventRoomListStart, gameId);
    for (const std::string& room : presence_.RoomsOfGame(gameId))
        Send(participant, kEventRoomListEntry, room);
    Send(participant, kEventRoomListEnd, gameId);
}

void Lobby::CreateRoom(Participant& participant, Session& session, const Frame& request) {
    const std::string& room = request.fields[0];
    if (!IsValidRoomName(room)) return Send(participant, kEventError, "Invalid room name.");
    if (request.fields[1] != "0" && request.fields[1] != "2")
        return Send(participant, kEventError, "Invalid room type.");
    if (presence_.FindRoom(room)) return Send(participant, kEventRoomExists, room);
    presence_.CreateRoom({room, session.gameId, session.nickname, false});
    EnterRoom(participant, session, room);
}

// The room of the session's game, or nothing after telling the client 4072.
static const Room* RoomOfGame(Presence& presence, Participant& participant, std::string_view gameId,
                              const std::string& name) {
    const Room* room = presence.FindRoom(name);
    if (room && room->gameId == gameId) return room;
    participant.Deliver(Event(kEventNoSuchRoom, name));
    return nullptr;
}

void Lobby::JoinRoom(Participant& participant, Session& session, const Frame& request) {
    if (RoomOfGame(presence_, participant, session.gameId, request.fields[0]))
        EnterRoom(participant, session, request.fields[0]);
}

void Lobby::CloseRoom(Participant& participant, Session& session, const Frame& request) {
    const std::string& name = request.fields[0];
    const Room* room = RoomOfGame(presence_, participant, session.gameId, name);
    if (!room) return;
    if (room->permanent || NicknameKey(room->owner) != NicknameKey(session.nickname))
        return Send(participant, kEventNotRoomOwner, name);
    // Everyone in it goes back to the game's lobby room; the room ends with the last of them.
    const std::string lobbyRoom = DefaultRoom(session.gameId);
    for (const std::string& member : presence_.Members(name)) {
        const auto found = sessions_.find(presence_.FindUser(member));
        if (found != sessions_.end()) EnterRoom(*found->first, found->second, lobbyRoom);
    }
}

void Lobby::UserList(Participant& participant, Session& session, const Frame& request) {
    const std::string& name = request.fields[0];
    if (!RoomOfGame(presence_, participant, session.gameId, name)) return;
    Send(participant, kEventUserListStart, name);
    for (const std::string& member : presence_.Members(name))
        Send(participant, kEventUserListEntry, member);
}

void Lobby::PublicMessage(Participant& participant, Session& session, const Frame& request) {
    const std::string& text = request.fields[0];
    if (session.room.empty() || !session.chat.Take(clock_.Now()))
        return Send(participant, kEventChatNotSent, text);
    presence_.DeliverToRoom(session.room,
                            Event(kEventPublicMessage, Joined(session.nickname, text)));
}

void Lobby::PrivateCommand(Participant& participant, Session& session, const Frame& request) {
    const std::string& addressee = request.fields[0];
    if (!session.commands.Take(clock_.Now()))
        return Send(participant, kEventError, "Too many game commands.");
    // Only users logged in to the same game reach each other.
    if (presence_.GameOf(addressee) != session.gameId)
        return Send(participant, kEventUserOffline, addressee);
    const auto frame =
        EncodeEvent(kEventPrivateGameCommand, Joined(session.nickname, request.fields[1]));
    if (!frame) return Send(participant, kEventError, "Game command too long.");
    presence_.DeliverToUser(addressee, *frame);
}

void Lobby::Disconnect(Participant& participant, Session&, const Frame&) {
    Drop(participant, {});
}

void Lobby::Ping(Participant& participant, Session&, const Frame&) {
    participant.Deliver(*EncodeFrame(RequestKind::kPong));
}

void Lobby::Pong(Participant&, Session&, const Frame&) {}

}  // namespace tavolex::server
