// The Options commands reach the running window: Customize, the card backs and the help pages'
// commands.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "lobby/qt/lobby_window.h"
#include "lobby/qt/qt_game_server.h"
#include "options/qt/customize_dialog.h"
#include "options/qt/stored_color.h"
#include "table/qt/help_window.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

QAbstractButton* Radio(QWidget* dialog, const QString& caption) {
    for (auto* radio : dialog->findChildren<QRadioButton*>()) {
        if (radio->text() == caption) return radio;
    }
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
}

using WiringTest = WindowTest;

TEST_F(WiringTest, CustomizeOkResizesRecoloursAndChangesTheLevel) {
    const QColor chosen(10, 120, 200);
    WhenModalOpens([chosen](QWidget* widget) {
        auto* dialog = qobject_cast<TfmCustomize*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->SetColorPicker([chosen](int64_t, QWidget*) {
            return std::optional<int64_t>(StoredFromColor(chosen));
        });
        dialog->findChild<QAbstractButton*>("bnColor")->click();
        Radio(dialog, "&800 x 600")->click();
        Radio(dialog, "&Advanced")->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window->Customize1Click();

    EXPECT_EQ(table().Resolution, 1);
    EXPECT_EQ(layout(), ComputeTableLayout(1));
    EXPECT_EQ(window->cards().CardSize(), QSize(53, 81));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    if (screen.width() == 800) {
        EXPECT_TRUE(window->isMaximized());
    } else {
        EXPECT_EQ(window->width(), DefaultClientWidth(1));
    }
    EXPECT_EQ(table().ComputerLevel, kAdvanced);
    // Just under the divider at the right: table, no card.
    EXPECT_EQ(Painted().pixelColor(DefaultClientWidth(1) - 4, layout().MiddleY + 4), chosen);
    // The stock moved to its row of the new layout.
    EXPECT_EQ(state().Stock.cards[0].y, layout().StockTop);
}

TEST_F(WiringTest, ApplyingDeckTwoChangesOnlyItsBack) {
    const QImage backZero = window->cards().Back(0).toImage();
    const QImage backOne = window->cards().Back(1).toImage();
    WhenModalOpens([](QWidget* dialog) {
        Radio(dialog, "Deck Two")->click();
        Radio(dialog, "S&tandard Pattern")->click();
        dialog->findChild<QAbstractButton*>("bnApply")->click();
        dialog->close();
    });
    window->Deck1Click();
    EXPECT_EQ(window->cards().Back(0).toImage(), backZero);
    EXPECT_NE(window->cards().Back(1).toImage(), backOne);
}

TEST_F(WiringTest, HelpCommandsOpenTheirDialogOnTheirPage) {
    const auto openedPage = [this](int parameter) {
        QString page;
        WhenModalOpens([&page](QWidget* dialog) {
            page = dialog->findChild<QTabWidget*>()->tabText(
                dialog->findChild<QTabWidget*>()->currentIndex());
            dialog->close();
        });
        QCoreApplication::postEvent(window.get(), new HelpCommandEvent(parameter));
        QCoreApplication::sendPostedEvents(window.get(), HelpCommandEvent::kType);
        return page;
    };
    EXPECT_EQ(openedPage(3), "Canastas");
    EXPECT_EQ(openedPage(1), "General");
}

TEST_F(WiringTest, LobbyOpensModallyAndItsEventsReachTheLobbyWhileHidden) {
    QAction* lobbyCommand = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == "Lobby...") lobbyCommand = action;
    }
    ASSERT_NE(lobbyCommand, nullptr);
    EXPECT_EQ(lobbyCommand->shortcut(), QKeySequence(Qt::Key_F5));
    bool suspendedWhileOpen = false;
    WhenModalOpens([&](QWidget* dialog) {
        EXPECT_EQ(dialog, window->LobbyWindow());
        EXPECT_EQ(dialog->windowTitle(), "Tavolex Online Lobby");
        suspendedWhileOpen = table().DispatchSuspended == 1;
        static_cast<QDialog*>(dialog)->reject();
    });
    lobbyCommand->trigger();
    EXPECT_TRUE(suspendedWhileOpen);
    EXPECT_EQ(table().DispatchSuspended, 0);
    EXPECT_EQ(window->LobbyWindow(), nullptr);

    // Hidden and accepted an invitation: the confirmation starts the match at once.
    TLobby& lobby = window->lobby().State();
    lobby.State = kLobbyAccepted;
    lobby.Opponent = "Bert";
    QCoreApplication::postEvent(window.get(),
                                new GameServerEvent(2121, "Bert INVITE_CONFIRMED##\r"));
    QCoreApplication::processEvents();
    EXPECT_EQ(lobby.State, kLobbyPlaying);
    EXPECT_EQ(lobby.LastEvent, "Bert INVITE_CONFIRMED##\r");
    EXPECT_TRUE(window->lobby().Match().Started);
    EXPECT_FALSE(window->findChild<QLabel*>("pnLobbyActive")->isVisible());
}

}  // namespace
}  // namespace tavolex::test
