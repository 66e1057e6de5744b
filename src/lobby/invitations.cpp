// The exchange of private game commands by which two players in the lobby agree on a match.
// The inviter deals; both end in a game room named after the two of them.
#include "game/dialogs.h"
#include "lobby/event_words.h"
#include "lobby/lobby.h"

namespace tavolex {

namespace {

constexpr const char* kRequest = "INVITE_REQUEST";
constexpr const char* kAccept = "INVITE_ACCEPT";
constexpr const char* kDeclined = "INVITE_DECLINED##";
constexpr const char* kConfirmed = "INVITE_CONFIRMED##";
constexpr const char* kCanceled = "INVITE_CANCELED##";

std::string WithNick(const char* command, const std::string& nickname) {
    return std::string(command) + "#NICK=" + nickname + "##";
}

// The text between "#NICK=" and the next "#".
std::string NickOf(const std::string& command) {
    const size_t start = command.find("#NICK=");
    if (start == std::string::npos) return {};
    const size_t from = start + 6;
    return command.substr(from, command.find('#', from) - from);
}

bool Holds(const std::string& command, const char* word) {
    return command.find(word) != std::string::npos;
}

}  // namespace

void Lobby::Send(const std::string& nickname, const std::string& command) {
    server_.GS_PrivateGameCommand(nickname, command);
}

void Lobby::Invite(const std::string& player) {
    if (lobby_.State != kLobbyAvailable || player.empty() || player == lobby_.Nickname) return;
    lobby_.State = kLobbyInviting;
    lobby_.Opponent = player;
    Send(player, WithNick(kRequest, lobby_.Nickname));
    AddChatLine("[Inviting your opponent, please wait...]");
    UpdateControls();
}

// Nothing is sent: a late acceptance is answered with INVITE_CANCELED.
void Lobby::Cancel() {
    if (lobby_.State != kLobbyInviting) return;
    lobby_.State = kLobbyAvailable;
    AddChatLine("[Invitation canceled.]");
    UpdateControls();
    server_.GS_JoinRoom(lobby_.LobbyRoom);
}

std::string Lobby::HandleInvitation(const std::string& eventText) {
    std::string_view rest = eventText;
    const std::string sender = TakeWord(rest);
    const std::string command = LineOf(rest);
    const bool fromOpponent = sender == lobby_.Opponent;
    // Answers change nothing once logged out or before the lobby was reached.
    const bool inLobby = lobby_.State >= kLobbyAvailable && lobby_.State <= kLobbyAccepted;
    std::string status;
    // The opponent's decline or cancel: back to the lobby room, with a word when it ends what
    // this side was waiting for.
    const auto backToLobby = [&](uint8_t waiting, const char* text) {
        if (!fromOpponent || !inLobby) return;
        if (lobby_.State == waiting) status = text;
        lobby_.State = kLobbyAvailable;
        server_.GS_JoinRoom(lobby_.LobbyRoom);
    };
    if (command.starts_with(kRequest)) {
        // One invitation at a time: also while waiting for the confirmation of an accepted one.
        if (lobby_.BeingInvited || lobby_.State != kLobbyAvailable) {
            Send(sender, kDeclined);
            return "[Declined " + sender + " because you were being invited.]";
        }
        lobby_.BeingInvited = 1;
        lobby_.Opponent = sender;
        lobby_.GameRoom = GameRoomName(lobby_.Nickname, sender);
        server_.GS_CreateRoom(lobby_.GameRoom, "2");
        host_.PostInvited();
    } else if (Holds(command, kAccept)) {
        const std::string nickname = NickOf(command);
        // Only the invited player may accept, in its own name.
        if (lobby_.State == kLobbyInviting && nickname == lobby_.Opponent && fromOpponent) {
            lobby_.State = kLobbyPlaying;
            match_ = {kNetworkRoleInvited, lobby_.Nickname.substr(0, kNetNameLength),
                      nickname.substr(0, kNetNameLength), false};
            lobby_.GameRoom = GameRoomName(lobby_.Opponent, lobby_.Nickname);
            Send(nickname, kConfirmed);
            server_.GS_JoinRoom(lobby_.GameRoom);
        } else {
            Send(nickname, kCanceled);
        }
    } else if (Holds(command, "INVITE_DECLINED")) {
        backToLobby(kLobbyInviting, "[Sorry, your opponent has declined the invitation.]");
    } else if (Holds(command, "INVITE_CONFIRMED")) {
        if (lobby_.State == kLobbyAccepted && fromOpponent) {
            lobby_.State = kLobbyPlaying;
            status = "[Your opponent accepted, starting match...]";
            match_ = {kNetworkRoleAccepted, lobby_.Nickname.substr(0, kNetNameLength),
                      sender.substr(0, kNetNameLength), false};
        }
    } else if (Holds(command, "INVITE_CANCELED")) {
        backToLobby(kLobbyAccepted, "[Sorry, your opponent has canceled the invitation.]");
    }
    return status;
}

void Lobby::AnswerInvitation() {
    const std::string inviter = lobby_.Opponent;
    const bool asked = lobby_.State == kLobbyAvailable;
    const bool yes =
        asked && dialogs_.AskYesNo(inviter +
                                   " invites you to a match. Do you want to accept the "
                                   "invitation?");
    if (yes) {
        // The player invited the inviter meanwhile: the byte-wise lower nickname gives way and
        // accepts. An invitation of somebody else stands.
        const bool givesWay = lobby_.Opponent == inviter && lobby_.Nickname < inviter;
        if (lobby_.State == kLobbyAvailable || givesWay) {
            lobby_.State = kLobbyAccepted;
            lobby_.Opponent = inviter;
            Send(inviter, WithNick(kAccept, lobby_.Nickname));
        }
    } else {
        Send(inviter, kDeclined);
        server_.GS_JoinRoom(lobby_.LobbyRoom);
    }
    lobby_.BeingInvited = 0;
    UpdateControls();
}

}  // namespace tavolex
