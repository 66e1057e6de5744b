// Two lobbies agree on a match through private game commands, relayed as the server would.
#include <gtest/gtest.h>

#include "scripted_lobby.h"

namespace tavolex {
namespace {

using Lines = std::vector<std::string>;

// Hands each side's private commands to the other as event 2121 until nothing is left.
void Relay(LobbyFixture& a, LobbyFixture& b) {
    for (bool moved = true; moved;) {
        moved = false;
        for (auto [from, to] : {std::pair{&a, &b}, {&b, &a}}) {
            Lines calls = std::exchange(from->server.calls, {});
            for (const std::string& call : calls) {
                const std::string prefix = "Private " + to->state.Nickname + " ";
                if (!call.starts_with(prefix)) continue;
                to->lobby.GameServerEvent(
                    2121, from->state.Nickname + " " + call.substr(prefix.size()) + "\r");
                moved = true;
            }
        }
    }
}

struct Pair : ::testing::Test {
    LobbyFixture anna{"anna"};
    LobbyFixture ben{"ben"};
    void Answer(LobbyFixture& side, bool yes) {
        side.dialogs.yesNoAnswers.push_back(yes);
        side.lobby.AnswerInvitation();
    }
    void ExpectBothInTheLobby() {
        EXPECT_EQ(anna.state.State, kLobbyAvailable);
        EXPECT_EQ(ben.state.State, kLobbyAvailable);
    }
};

TEST_F(Pair, AnAcceptanceAfterCancelIsCanceled) {
    anna.lobby.Invite("ben");
    Relay(anna, ben);
    anna.lobby.Cancel();
    EXPECT_EQ(anna.view.chat.back(), "[Invitation canceled.]");
    EXPECT_EQ(anna.server.calls.back(), "JoinRoom LOBBY-Tavolex501");
    Answer(ben, true);
    Relay(anna, ben);
    EXPECT_EQ(ben.view.chat.back(), "[Sorry, your opponent has canceled the invitation.]");
    ExpectBothInTheLobby();
}

TEST_F(Pair, OnlyTheInvitedPlayerMayAcceptInItsOwnName) {
    anna.lobby.Invite("ben");
    anna.server.calls.clear();
    anna.lobby.GameServerEvent(2121, "ben INVITE_ACCEPT#NICK=cleo##\r");
    anna.lobby.GameServerEvent(2121, "cleo INVITE_ACCEPT#NICK=ben##\r");
    EXPECT_EQ(anna.server.calls,
              (Lines{"Private cleo INVITE_CANCELED##", "Private ben INVITE_CANCELED##"}));
    EXPECT_EQ(anna.state.State, kLobbyInviting);
    // Answers from a third player change nothing either.
    anna.lobby.GameServerEvent(2121, "cleo INVITE_DECLINED##\r");
    EXPECT_EQ(anna.state.State, kLobbyInviting);
}

TEST_F(Pair, AnOpponentWhoLeavesEndsTheWait) {
    anna.lobby.Invite("ben");
    anna.lobby.GameServerEvent(2400, "cleo\r");
    EXPECT_EQ(anna.state.State, kLobbyInviting);
    anna.lobby.GameServerEvent(2400, "ben\r");
    EXPECT_EQ(anna.state.State, kLobbyAvailable);
    EXPECT_EQ(anna.view.chat.back(), "[Sorry, your opponent has left the lobby.]");
    // The accepting side notices too, with its window hidden.
    ben.lobby.AttachView(nullptr);
    ben.lobby.GameServerEvent(2121, "anna INVITE_REQUEST#NICK=anna##\r");
    EXPECT_EQ(ben.view.invitedPosts, 1);
    Answer(ben, true);
    ben.lobby.GameServerEvent(2400, "anna\r");
    EXPECT_EQ(ben.state.State, kLobbyAvailable);
    EXPECT_EQ(ben.server.calls.back(), "JoinRoom LOBBY-Tavolex501");
}

TEST_F(Pair, AQuestionAnsweredAfterInvitingSomeoneElse) {
    struct Case {
        const char* nickname;  // asked about an invitation from "ben"
        const char* invites;   // while the question is open
        bool accepts;
    };
    for (const Case c :
         {Case{"al", "ben", true}, Case{"cleo", "ben", false}, Case{"al", "dora", false}}) {
        LobbyFixture side(c.nickname);
        side.lobby.GameServerEvent(2121, "ben INVITE_REQUEST#NICK=ben##\r");
        side.dialogs.whileAsking = [&] { side.lobby.Invite(c.invites); };
        side.server.calls.clear();
        side.lobby.AnswerInvitation();
        EXPECT_EQ(side.state.State, c.accepts ? kLobbyAccepted : kLobbyInviting) << c.nickname;
        EXPECT_EQ(side.server.calls.back(), c.accepts
                                                ? "Private ben INVITE_ACCEPT#NICK=al##"
                                                : "Private " + std::string(c.invites) +
                                                      " INVITE_REQUEST#NICK=" + c.nickname + "##")
            << c.nickname;
        EXPECT_EQ(side.state.BeingInvited, 0);
    }
    // While the own invitation runs, or once an invitation is accepted, others are declined.
    anna.lobby.Invite("ben");
    anna.lobby.GameServerEvent(2121, "cleo INVITE_REQUEST#NICK=cleo##\r");
    EXPECT_EQ(anna.server.calls.back(), "Private cleo INVITE_DECLINED##");
    EXPECT_EQ(anna.view.chat.back(), "[Declined cleo because you were being invited.]");
    ben.lobby.GameServerEvent(2121, "anna INVITE_REQUEST#NICK=anna##\r");
    Answer(ben, true);
    ben.lobby.GameServerEvent(2121, "cleo INVITE_REQUEST#NICK=cleo##\r");
    EXPECT_EQ(ben.server.calls.back(), "Private cleo INVITE_DECLINED##");
    EXPECT_EQ(ben.state.Opponent, "anna");
}

}  // namespace
}  // namespace tavolex
