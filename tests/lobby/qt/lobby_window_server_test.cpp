// Two lobby windows against the real lobby server: log in, chat, invite and accept.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "lobby/qt/lobby_window.h"
#include "lobby/qt/qt_game_server.h"
#include "running_server.h"

namespace tavolex {
namespace {

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return anna.Players()->count() == 2; }, 10000));
    EXPECT_TRUE(anna.Chat().contains("Connected with the Tavolex game lobby."));

    bert.window.findChild<QLineEdit*>("edChat")->setText("hello Anna");
    bert.window.findChild<QPushButton*>("btSendChat")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return anna.Chat().contains("Bert: hello Anna"); }, 10000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return bert.Players()->count() == 2; }, 10000));
    QListWidget* players = bert.Players();
    players->setCurrentItem(players->findItems("Anna", Qt::MatchExactly).at(0));
    bert.window.findChild<QPushButton*>("btInvite")->click();
    EXPECT_EQ(bert.State(), kLobbyInviting);
    // Anna is asked, says yes, and both windows close with the match arranged.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return anna.State() == kLobbyPlaying && bert.State() == kLobbyPlaying; }, 10000));
    EXPECT_EQ(anna.dialogs.questions.size(), 1u);
    for (Player* player : {&anna, &bert}) {
        EXPECT_FALSE(player->window.isVisible());
        EXPECT_EQ(player->window.result(), QDialog::Accepted);
    }
    EXPECT_EQ(bert.lobby.Match().NetworkRole, kNetworkRoleInvited);
    EXPECT_EQ(anna.lobby.Match().OpponentName, "Bert");
}

}  // namespace
}  // namespace tavolex
