// The lobby window offscreen over a game server that only records the calls made to it.
#include "lobby/qt/lobby_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "lobby/scripted_lobby.h"

namespace tavolex {
namespace {

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

    ScriptedGameServer server;
    ScriptedAddresses addresses;
    RecordingLobbyView table;  // the table window's part
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby{server, table, addresses, table, dialogs, settings};
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
    EXPECT_EQ(server.calls.back(), "Private Bert INVITE_REQUEST#NICK=Anna##");
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
