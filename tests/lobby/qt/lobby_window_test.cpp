// The lobby window offscreen over a game server that only records the calls made to it.
#include "lobby/qt/lobby_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "game/headless_seams.h"
#include "game/memory_settings.h"

namespace tavolex {
namespace {

class RecordingServer : public GameServer {
  public:
    std::vector<std::string> calls;
    int GS_Connect(const std::string& host, int, GameServerWindow*) override {
        return Record("connect " + host);
    }
    int GS_Login(const std::string& nickname, const std::string&, const std::string&) override {
        return Record("login " + nickname);
    }
    int GS_Register(const std::string& nickname, const std::string&, const std::string&,
                    const std::string&, const std::string&, int, const std::string&,
                    const std::string&, const std::string&, const std::string&, const std::string&,
                    const std::string&) override {
        return Record("register " + nickname);
    }
    int GS_GetMOTD() override { return Record("motd"); }
    int GS_GetAllRooms(const std::string&) override { return Record("rooms"); }
    int GS_CreateRoom(const std::string& room, const std::string&) override {
        return Record("create " + room);
    }
    int GS_JoinRoom(const std::string& room) override { return Record("join " + room); }
    int GS_GetUserList(const std::string& room) override { return Record("users " + room); }
    int GS_PublicMessage(const std::string& text) override { return Record("say " + text); }
    int GS_PrivateGameCommand(const std::string& nickname, const std::string& command) override {
        return Record("tell " + nickname + " " + command);
    }
    int GS_Disconnect() override { return Record("disconnect"); }

  private:
    int Record(std::string call) {
        calls.push_back(std::move(call));
        return 0;
    }
};

class Quiet : public GameServerWindow, public LobbyHost, public GameServerAddressSource {
  public:
    void PostGameServerEvent(int, const std::string&) override {}
    void PostInvited() override {}
    std::optional<GameServerAddress> FetchGameServerAddress() override { return std::nullopt; }
};

class LobbyWindowTest : public ::testing::Test {
  protected:
    LobbyWindowTest() { window.show(); }
    ~LobbyWindowTest() override { window.done(QDialog::Accepted); }

    template <typename Widget = QPushButton>
    Widget* Control(const char* name) {
        return window.findChild<Widget*>(name);
    }
    void InLobby(const std::vector<std::string>& players) {
        lobby.State().State = kLobbyAvailable;
        lobby.State().Nickname = "Anna";
        window.ShowAvailablePlayers(players);
    }

    RecordingServer server;
    Quiet quiet;
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby{server, quiet, quiet, quiet, dialogs, settings};
    TfmLobbyGS window{lobby, settings, "Anna"};
};

TEST_F(LobbyWindowTest, ControlsAndTheCloseCaptionFollowTheState) {
    EXPECT_EQ(window.windowTitle(), "Tavolex Online Lobby");
    EXPECT_EQ(Control<QLineEdit>("edNickname")->text(), "Anna");  // the current player
    struct Case {
        uint8_t state;
        bool login, logout, close, stopWaiting, nickname;
        const char* closeCaption;
    };
    const Case cases[] = {
        {kLobbyOffline, true, false, true, false, true, "C&lose"},
        {kLobbyLoggingIn, false, false, false, false, false, "C&lose"},
        {kLobbyAvailable, false, true, true, false, false, "Hide, stay avai&lable"},
        {kLobbyInviting, false, false, false, true, false, "C&lose"},
        {kLobbyLoggedOut, false, false, false, false, false, "C&lose"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.state));
        lobby.State().State = c.state;
        window.UpdateControls();
        EXPECT_EQ(Control("btLogin")->isEnabled(), c.login);
        EXPECT_EQ(Control("btLogout")->isEnabled(), c.logout);
        EXPECT_EQ(Control("btClose")->isEnabled(), c.close);
        EXPECT_EQ(Control("btClose")->text(), c.closeCaption);
        EXPECT_EQ(Control("btStopWaiting")->isEnabled(), c.stopWaiting);
        EXPECT_EQ(Control<QLineEdit>("edNickname")->isEnabled(), c.nickname);
    }
    // While inviting the window stays open.
    window.reject();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(LobbyWindowTest, NicknameIsCleanedAndAOneCharacterNameCannotLogIn) {
    auto* nickname = Control<QLineEdit>("edNickname");
    nickname->setText("A");
    EXPECT_FALSE(Control("btLogin")->isEnabled());
    nickname->setText("big bad wolf#from the woods");
    emit nickname->editingFinished();
    EXPECT_EQ(nickname->text(), "big_bad_wolf_fro");
    EXPECT_TRUE(Control("btLogin")->isEnabled());
}

TEST_F(LobbyWindowTest, PrivateRoomWithoutANameShowsTheMessageAndDoesNotConnect) {
    auto* privateRoom = window.findChildren<QRadioButton*>().at(kLobbyPrivateRoom);
    privateRoom->click();
    EXPECT_TRUE(Control<QLineEdit>("edPrivateLobby")->isEnabled());
    Control("btLogin")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kPrivateRoomMissing);
    EXPECT_TRUE(server.calls.empty());
    EXPECT_EQ(lobby.State().State, kLobbyOffline);
}

TEST_F(LobbyWindowTest, DoubleClickInvitesAnotherPlayerButNotOneself) {
    InLobby({"Anna", "Bert"});
    auto* players = Control<QListWidget>("lbLobby");
    const auto doubleClick = [&](int row) {
        const QPoint cell = players->visualItemRect(players->item(row)).center();
        QTest::mouseClick(players->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(players->viewport(), Qt::LeftButton, {}, cell);
    };
    doubleClick(0);
    EXPECT_FALSE(Control("btInvite")->isEnabled());
    EXPECT_EQ(lobby.State().State, kLobbyAvailable);
    doubleClick(1);
    EXPECT_EQ(lobby.State().State, kLobbyInviting);
    EXPECT_EQ(lobby.State().Opponent, "Bert");
    EXPECT_EQ(server.calls.back(), "tell Bert INVITE_REQUEST#NICK=Anna##");
    EXPECT_TRUE(Control("btStopWaiting")->isEnabled());
}

TEST_F(LobbyWindowTest, SettingsAreWrittenOnClosing) {
    window.findChildren<QRadioButton*>().at(kLobbyCompetition)->click();
    Control<QLineEdit>("edPrivateLobby")->setText("club");
    lobby.State().Server = "games.example";
    lobby.State().Port = 4100;
    window.reject();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadInt(settings, "Network\\GameType", 0), kLobbyCompetition);
    EXPECT_EQ(ReadText(settings, "Network\\PrivateLobbyRoom", ""), "club");
    EXPECT_EQ(ReadText(settings, "Network\\Server", ""), "games.example");
    EXPECT_EQ(ReadInt(settings, "Network\\Port", 0), 4100);
}

}  // namespace
}  // namespace tavolex
