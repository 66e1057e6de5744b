// Two table windows play a match through the real lobby server: the invitation starts it, the
// rule differences show and go, a chat line and a move on one table reach the other, and a
// disconnect ends the match on both.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <set>

#include "game/status_texts.h"
#include "lobby/qt/lobby_window.h"
#include "lobby/qt/running_server.h"
#include "network/qt/chat_window.h"
#include "network/qt/rule_differences_dialog.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

// The cards of a pile whatever their order.
std::multiset<std::pair<int, int>> Cards(const CardPile& pile) {
    std::multiset<std::pair<int, int>> cards;
    for (const CardRecord& card : pile) cards.insert({card.cardId, card.deck});
    return cards;
}

struct Player {
    Player(const char* name, int port) {
        settings.WriteValue("Network\\Server", std::string("127.0.0.1"));
        settings.WriteValue("Network\\Port", int64_t{port});
        settings.WriteValue("Network\\Username", std::string(name));
        window = OpenQuietWindow(settings, folder);
        window->tmSplashTimer();
    }
    Table& table() { return window->table(); }
    NetworkGame& network() { return window->network(); }
    QAction* Command(const QString& caption) { return test::Command(*window, caption); }
    // Opens the lobby window, logs in and works it until it closes.
    void Lobby(const std::function<void(TfmLobbyGS*)>& work) {
        WhenModalOpens([this, work](QWidget* dialog) {
            auto* lobby = static_cast<TfmLobbyGS*>(dialog);
            lobby->findChild<QPushButton*>("btLogin")->click();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return window->lobby().State().State == kLobbyAvailable; }, 10000));
            work(lobby);
        });
        window->OpenLobby(false);
    }

    QTemporaryDir folder;
    MemorySettings settings;
    std::unique_ptr<TfmTvxMain> window;
};

// Answers every message box with its default button (Yes for questions, unless told to say
// No once) and keeps its text.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            texts.push_back(box->text());
            if (whileOpen) whileOpen();
            QAbstractButton* yes = box->button(refuseNext ? QMessageBox::No : QMessageBox::Yes);
            refuseNext = false;
            (yes ? yes : box->defaultButton())->click();
        });
        poll_.start(5);
    }
    QStringList texts;
    bool refuseNext = false;
    std::function<void()> whileOpen;

  private:
    QTimer poll_;
};

TEST(NetworkPlay, AnInvitationStartsAMatchWhoseMovesAndEndReachBothTables) {
    RunningServer server(TAVOLEX_SERVER);
    ASSERT_NE(server.Port(), 0) << server.Output().toStdString();
    BoxAnswerer boxes;
    Player anna("anna", server.Port());
    Player bert("bert", server.Port());
    EXPECT_FALSE(bert.Command("&Disconnect")->isEnabled());
    anna.table().state.Rules.NumberOfCards = 2;

    // Anna waits in the lobby with its window closed; Bert invites her.
    anna.Lobby([](TfmLobbyGS* lobby) { lobby->reject(); });
    bert.Lobby([](TfmLobbyGS* lobby) {
        auto* players = lobby->findChild<QListWidget*>("lbLobby");
        ASSERT_TRUE(QTest::qWaitFor([&] { return players->count() == 2; }, 10000));
        players->setCurrentItem(players->findItems("anna", Qt::MatchExactly).at(0));
        lobby->findChild<QPushButton*>("btInvite")->click();
    });
    // Bert's deal and both rules have arrived.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return anna.network().ConnectionStatus == kConnectionEstablished &&
                   bert.network().ConnectionStatus == kConnectionEstablished &&
                   Cards(anna.table().state.PlayerHand) == Cards(bert.table().state.OpponentHand) &&
                   anna.window->RuleDifferencesDialog() && bert.window->RuleDifferencesDialog();
        },
        10000));
    for (Player* player : {&anna, &bert}) {
        EXPECT_TRUE(player->Command("&Disconnect")->isEnabled());
        EXPECT_TRUE(player->Command("&Rule Differences...")->isEnabled());
        EXPECT_FALSE(player->Command("Lobby...")->isEnabled());
        EXPECT_NE(player->window->ChatWindow(), nullptr);
    }

    // The one differing rule shows on both sides until Anna takes Bert's.
    for (Player* player : {&anna, &bert}) {
        TfmRuleDifferences* differences = player->window->RuleDifferencesDialog();
        EXPECT_TRUE(differences->isVisible());
        EXPECT_EQ(differences->findChild<QTreeWidget*>("lvRules")->topLevelItemCount(), 1);
    }
    // Closing during the match asks first, with the dialog that stays on top out of the way;
    // a No keeps Anna at the table.
    bool dialogSteppedBack = false;
    boxes.whileOpen = [&] {
        dialogSteppedBack = !anna.window->RuleDifferencesDialog()->isVisible();
    };
    boxes.refuseNext = true;
    anna.window->close();
    EXPECT_TRUE(anna.window->isVisible());
    EXPECT_TRUE(dialogSteppedBack);
    EXPECT_TRUE(anna.window->RuleDifferencesDialog()->isVisible());
    boxes.whileOpen = nullptr;

    anna.window->RuleDifferencesDialog()->findChild<QPushButton*>("btUseOpponentsRules")->click();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !bert.window->RuleDifferencesDialog()->isVisible(); }, 10000));

    auto* input = bert.window->ChatWindow()->findChild<QLineEdit*>("edChat");
    input->setText("hello anna");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return anna.window->ChatWindow()
                ->findChild<QPlainTextEdit*>("mmChat")
                ->toPlainText()
                .contains("bert: hello anna");
        },
        10000));

    // Whoever draws first takes a card from the stock with F6, typed in the chat window; the
    // other table sees it go.
    Player& first = anna.table().state.Prompt == kPromptDraw ? anna : bert;
    Player& second = &first == &anna ? bert : anna;
    const int opponentCards = second.table().state.OpponentHand.count;
    QTest::keyClick(first.window->ChatWindow()->findChild<QLineEdit*>("edChat"), Qt::Key_F6);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return second.table().state.OpponentHand.count == opponentCards + 1; }, 10000));

    // Bert disconnects: Anna's game is saved under both names and the computer takes over.
    bert.Command("&Disconnect")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !anna.network().Active(); }, 10000));
    EXPECT_TRUE(QFile::exists(anna.folder.filePath("anna_bert.tvx")));
    for (Player* player : {&anna, &bert}) {
        EXPECT_FALSE(player->Command("&Disconnect")->isEnabled());
        EXPECT_TRUE(player->Command("Lobby...")->isEnabled());
        EXPECT_EQ(player->window->ChatWindow(), nullptr);
        EXPECT_NE(player->table().ComputerLevel, kRemotePlayer);
    }
}

}  // namespace
}  // namespace tavolex::test
