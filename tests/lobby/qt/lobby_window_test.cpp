// The lobby window offscreen over a game server that only records the calls made to it, and two
// lobby windows against the real lobby server: log in, chat, invite and accept.
#include "lobby/qt/lobby_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "lobby/qt/qt_game_server.h"
#include "lobby/scripted_lobby.h"
#include "qt_shell_helpers.h"
#include "running_server.h"

namespace tavolex::test {
namespace {

class LobbyWindowTest : public ::testing::Test {
  protected:
    LobbyWindowTest() { window.show(); }
    ~LobbyWindowTest() override { window.done(QDialog::Accepted); }

    template <typename Widget = QPushButton>
    Widget* Control(const char* name) {
        return window.findChild<Widget*>(name);
    }

    ScriptedGameServer server;
    ScriptedAddresses addresses;
    RecordingLobbyView table;  // the table window's part
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby{server, table, addresses, table, dialogs, settings};
    TfmLobbyGS window{lobby, settings, "Anna"};
};

// Which controls each state enables is the lobby's decision; the window shows it.
TEST_F(LobbyWindowTest, TheControlsFollowTheStateAndTheWindowStaysOpenWhileInviting) {
    EXPECT_EQ(Control<QLineEdit>("edNickname")->text(), "Anna");  // the current player
    lobby.State().State = kLobbyAvailable;
    window.UpdateControls();
    EXPECT_EQ(Control("btClose")->text(), "Hide, stay avai&lable");
    EXPECT_TRUE(Control("btLogout")->isEnabled());
    lobby.State().State = kLobbyInviting;
    window.UpdateControls();
    EXPECT_FALSE(Control("btClose")->isEnabled());
    window.reject();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(LobbyWindowTest, NicknameIsCleanedAPrivateRoomNeedsANameAndClosingStoresTheSettings) {
    auto* nickname = Control<QLineEdit>("edNickname");
    nickname->setText("big bad wolf#from the woods");
    emit nickname->editingFinished();
    EXPECT_EQ(nickname->text(), "big_bad_wolf_fro");

    // A private room without a name shows the message and does not connect.
    window.findChildren<QRadioButton*>().at(kLobbyPrivateRoom)->click();
    Control("btLogin")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kPrivateRoomMissing);
    EXPECT_TRUE(server.calls.empty());

    window.findChildren<QRadioButton*>().at(kLobbyCompetition)->click();
    Control<QLineEdit>("edPrivateLobby")->setText("club");
    lobby.State().Server = "games.example";
    lobby.State().Port = 4100;
    window.reject();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Stored(settings, "Network"),
              "background color=16777215 gametype=" + std::to_string(kLobbyCompetition) +
                  " port=4100 privatelobbyroom=club server=games.example");
}

// The table window's part: events and the invitation question come back queued, as posted
// window messages do.
class Player : public QObject,
               public GameServerWindow,
               public LobbyHost,
               public GameServerAddressSource {
  public:
    Player(const char* nickname, int port) {
        settings.WriteValue("Network\\Server", std::string("127.0.0.1"));
        settings.WriteValue("Network\\Port", int64_t{port});
        window.show();
        window.findChild<QLineEdit*>("edNickname")->setText(nickname);
    }
    void PostGameServerEvent(int code, const std::string& text) override {
        QMetaObject::invokeMethod(
            this, [this, code, text] { lobby.GameServerEvent(code, text); }, Qt::QueuedConnection);
    }
    void PostInvited() override {
        QMetaObject::invokeMethod(
            this, [this] { lobby.AnswerInvitation(); }, Qt::QueuedConnection);
    }
    std::optional<GameServerAddress> FetchGameServerAddress() override { return std::nullopt; }

    uint8_t State() { return lobby.State().State; }
    QString Chat() { return window.findChild<QPlainTextEdit*>("mmChat")->toPlainText(); }
    QListWidget* Players() { return window.findChild<QListWidget*>("lbLobby"); }

    QtGameServer server;
    HeadlessDialogs dialogs;
    MemorySettings settings;
    Lobby lobby{server, *this, *this, *this, dialogs, settings};
    TfmLobbyGS window{lobby, settings, ""};
};

TEST(LobbyWindowServer, TwoPlayersMeetChatAndAgreeOnAMatch) {
    RunningServer lobbyServer(TAVOLEX_SERVER);
    ASSERT_NE(lobbyServer.Port(), 0) << lobbyServer.Output().toStdString();
    Player anna("Anna", lobbyServer.Port());
    Player bert("Bert", lobbyServer.Port());
    for (Player* player : {&anna, &bert}) {
        player->window.findChild<QPushButton*>("btLogin")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return player->State() == kLobbyAvailable; }, 10000));
    }

    bert.window.findChild<QLineEdit*>("edChat")->setText("hello Anna");
    bert.window.findChild<QPushButton*>("btSendChat")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return anna.Chat().contains("Bert: hello Anna"); }, 10000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return bert.Players()->count() == 2; }, 10000));
    QListWidget* players = bert.Players();
    players->setCurrentItem(players->findItems("Anna", Qt::MatchExactly).at(0));
    bert.window.findChild<QPushButton*>("btInvite")->click();
    // Anna is asked, says yes, and both windows close with the match arranged.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return anna.State() == kLobbyPlaying && bert.State() == kLobbyPlaying; }, 10000));
    EXPECT_EQ(anna.dialogs.questions.size(), 1u);
    for (Player* player : {&anna, &bert}) {
        EXPECT_FALSE(player->window.isVisible());
        EXPECT_EQ(player->window.result(), QDialog::Accepted);
    }
}

}  // namespace
}  // namespace tavolex::test
