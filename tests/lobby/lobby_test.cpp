// The lobby's logic over a scripted game server: reading event texts, the controls by state,
// the login sequence and what every event does.
#include <gtest/gtest.h>

#include "lobby/event_words.h"
#include "lobby/lobby_controls.h"
#include "scripted_lobby.h"

namespace tavolex {
namespace {

using Lines = std::vector<std::string>;

TEST(EventWords, QuotesHoldSpacesTheCarriageReturnEndsTheLineAndNamesAreCleaned) {
    std::string_view text = "anna \"two words\" rest of it\r";
    EXPECT_EQ(TakeWord(text), "anna");
    EXPECT_EQ(TakeWord(text), "\"two words\"");
    EXPECT_EQ(TakeWord(text, true), "rest of it");
    EXPECT_EQ(TakeWord(text), "");
    EXPECT_EQ(FirstWord("ben\r"), "ben");
    EXPECT_EQ(LineOf("  Tavolex#a#b# \r"), "Tavolex#a#b#");
    // Names are cleaned of what would break room names (the window's test cleans a long name
    // of spaces and '#').
    EXPECT_EQ(CleanNickname("caf\xe9"), "caf_");
    EXPECT_EQ(CleanPrivateRoom("club #7 night"), "club _7 night");
}

TEST(LobbyLogin, LooksUpTheAddressConnectsRegistersAnUnknownNameAndLogsOut) {
    LobbyFixture f;  // logs in once; start again from offline
    f.state.State = kLobbyOffline;
    f.state.Server.clear();
    f.server.calls.clear();
    f.lobby.Login({"ben", kLobbyJustForFun, ""});
    EXPECT_EQ(f.server.calls, (Lines{"Connect lobby.test:4444", "Login ben tavolex Tavolex501"}));
    f.lobby.GameServerEvent(4150, "ben\r");
    EXPECT_EQ(f.server.calls.back(), "Register ben tavolex Tavolex501");
    f.lobby.GameServerEvent(2150, "Ben\r");
    EXPECT_EQ(f.state.State, kLobbyAvailable);
    EXPECT_EQ(f.state.Nickname, "Ben");
    EXPECT_EQ(f.server.calls.back(), "GetMOTD");
    EXPECT_EQ(std::get<std::string>(f.settings.ReadValue("Network\\Username", "")), "ben");
    // The first lobby room reached is the public one; the announcement comes once.
    f.lobby.GameServerEvent(2070, "LOBBY-Tavolex501\r");
    f.lobby.GameServerEvent(2074, "LOBBY-Tavolex501\r");
    EXPECT_EQ(f.view.chat, (Lines{"Connecting...", "Connected with the Tavolex game lobby."}));
    EXPECT_EQ(f.view.chatFocus, 2);

    // Logging out waits for the server to close.
    f.lobby.GameServerEvent(2101, "ben\r");
    f.server.calls.clear();
    f.lobby.Logout();
    EXPECT_EQ(f.server.calls, Lines{"Disconnect"});
    EXPECT_EQ(f.state.State, kLobbyLoggedOut);
    EXPECT_TRUE(f.view.players.empty());
    EXPECT_TRUE(f.view.chat.empty());
    f.lobby.GameServerEvent(1991, "\r");
    EXPECT_EQ(f.state.State, kLobbyOffline);
}

TEST(LobbyLogin, FailuresOfTheLookupAndTheConnection) {
    const GameServerAddress found{"lobby.test", 4444};
    const std::string connect = "Connect lobby.test:4444";
    const struct {
        std::optional<GameServerAddress> address;
        std::deque<int> connects;
        std::string calls;  // joined by " | "
        std::string chat;
        uint8_t state;
    } cases[] = {
        {GameServerAddress{"", 0}, {}, "", kNoGameServerData, kLobbyOffline},
        {std::nullopt, {}, "", "Could not establish a connection.", kLobbyOffline},
        // The first connect fails, the second after a fresh lookup works.
        {found,
         {-1, 0},
         connect + " | " + connect + " | Login anna tavolex Tavolex501",
         "Connecting...",
         kLobbyLoggingIn},
        {found,
         {-1, -1},
         connect + " | " + connect,
         "Connecting... | Sorry, cannot login to the gameserver.",
         kLobbyOffline},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chat);
        ScriptedGameServer server;
        ScriptedAddresses addresses;
        RecordingLobbyView view;
        HeadlessDialogs dialogs;
        MemorySettings settings;
        Lobby lobby(server, view, addresses, view, dialogs, settings);
        lobby.AttachView(&view);
        addresses.answer = c.address;
        server.connectResults = c.connects;
        lobby.Login({"anna", kLobbyJustForFun, ""});
        EXPECT_EQ(Joined(server.calls), c.calls);
        EXPECT_EQ(Joined(view.chat), c.chat);
        EXPECT_EQ(lobby.State().State, c.state);
        // A stored address is used without a lookup; a failed connect looks it up afresh.
        EXPECT_EQ(addresses.lookups, c.connects.empty() ? 1 : 2);
    }
}

TEST(LobbyEvents, EachCodeDoesItsPart) {
    const char* bye = "Disconnect";
    const struct {
        int code;
        const char* text;
        std::string chat;   // lines added, joined by " | "
        const char* calls;  // library calls made
        uint8_t state;
    } cases[] = {
        {1992, "Server is shutting down\r", "Unknown error: Server is shutting down", bye, 0},
        {2071, "ben\r", "", "GetAllRooms Tavolex501", kLobbyAvailable},
        {2072, "ben\r", "", "GetAllRooms Tavolex501", kLobbyAvailable},
        {2110, "\r", " | === Message of the Day ===", "", kLobbyAvailable},
        {2111, " Welcome!\r", " Welcome!", "", kLobbyAvailable},
        {2112, "\r", "=== End of Message of the Day === | ", "", kLobbyAvailable},
        {2400, "ben\r", "", "GetAllRooms Tavolex501", kLobbyAvailable},
        {4060, "anna\r", "Cannot register: this username is already in use.", bye, 0},
        {4072, "Elsewhere\r", "Cannot join: room Elsewhere does not exist", bye, 0},
        {4075, "Tavolex#anna#ben#\r", "", "JoinRoom Tavolex#anna#ben#", kLobbyAvailable},
        {4210, "A newer version is available: 5.1\r",
         "Please upgrade to the latest version of Tavolex.", "", kLobbyAvailable},
        {4220, "Please upgrade: http://lobby.test/tvxsetup.exe\r",
         "Please upgrade to the latest version of Tavolex. You can download it from "
         "http://lobby.test/tvxsetup.exe",
         bye, 0},
        {4230, "Unknown client version 1.0/9\r",
         std::string("Error: unknown client version. Please contact ") + kSupportAddress, bye, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        LobbyFixture f;
        f.state.GameRoom = "Tavolex#anna#ben#";
        f.view.chat.clear();
        f.lobby.GameServerEvent(c.code, c.text);
        EXPECT_EQ(Joined(f.view.chat), c.chat);
        EXPECT_EQ(Joined(f.server.calls), c.calls);
        EXPECT_EQ(f.state.State, c.state);
    }
}

TEST(LobbyEvents, ListsOfPlayersAndMatches) {
    LobbyFixture f;
    for (const char* user : {"anna\r", "ben\r", "ben\r"}) f.lobby.GameServerEvent(2101, user);
    f.lobby.GameServerEvent(2071, "cleo\r");
    EXPECT_EQ(f.view.players, (Lines{"anna", "ben", "cleo"}));
    f.lobby.GameServerEvent(2072, "ben\r");
    f.lobby.GameServerEvent(2400, "cleo\r");
    EXPECT_EQ(f.view.players, Lines{"anna"});
    f.lobby.GameServerEvent(2100, "LOBBY-Tavolex501\r");
    EXPECT_TRUE(f.view.players.empty());

    f.lobby.GameServerEvent(2050, "Tavolex501\r");
    for (const char* room : {"LOBBY-Tavolex501\r", "Tavolex#dora#emil#\r", "Tavolex#fay#gus#\r"})
        f.lobby.GameServerEvent(2051, room);
    EXPECT_TRUE(f.view.nowPlaying.empty());
    f.lobby.GameServerEvent(2052, "Tavolex501\r");
    EXPECT_EQ(f.view.nowPlaying, (Lines{"dora - emil", "fay - gus"}));
    // Outside the lobby room the lists empty.
    f.lobby.Invite("dora");
    EXPECT_TRUE(f.view.nowPlaying.empty());
}

}  // namespace
}  // namespace tavolex
