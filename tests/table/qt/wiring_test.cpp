// The running window's parts and commands: the status bar, dialogs as wide as their captions,
// and the Options, help and lobby commands reaching the window.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTabWidget>

#include "lobby/qt/lobby_window.h"
#include "lobby/qt/qt_game_server.h"
#include "options/qt/card_pattern_dialog.h"
#include "options/qt/customize_dialog.h"
#include "options/qt/stored_color.h"
#include "table/qt/dialog_parts.h"
#include "table/qt/help_window.h"
#include "table/qt/qt_dialogs.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

class BeforeStartUpTest : public WindowTest {
  protected:
    BeforeStartUpTest() : WindowTest("0,0,640x480", false) {}
};

// The score panels are readable from the moment the window shows, a menu's hint gives way to
// the turn's prompt when the menu closes, and dialogs and input boxes fit their captions.
TEST_F(BeforeStartUpTest, StatusBarAndCaptions) {
    for (const char* name : {"pnPCurrScore", "pnPCurrMeld", "pnCCurrScore", "pnCCurrMeld"}) {
        const QLabel* panel = window->findChild<QLabel*>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->text().isEmpty()) << name;
        EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text())) << name;
    }
    window->tmSplashTimer();
    const QString prompt = window->StatusText();
    QMenu* game = window->menuBar()->actions().first()->menu();
    game->popup(window->mapToGlobal(QPoint(0, 0)));
    QStatusTipEvent hint("Start a new game");
    QCoreApplication::sendEvent(window.get(), &hint);
    EXPECT_EQ(window->StatusText(), "Start a new game");
    game->hide();
    EXPECT_EQ(window->StatusText(), prompt);

    TfmCardPattern pattern(0, window.get());
    pattern.show();
    EXPECT_GE(pattern.width(), CaptionWidth("Select Card Back Pattern"));
    QtDialogs dialogs(window.get());
    const char* caption = "Hand Score in Highscore List";
    int width = 0;
    WhenModalOpens([&](QWidget* box) {
        width = box->width();
        box->close();
    });
    dialogs.InputBox(caption, "Name:", "Ann");
    EXPECT_GE(width, CaptionWidth(caption));
}

using WiringTest = WindowTest;

TEST_F(WiringTest, CustomizeCardBacksHelpAndLobbyReachTheWindow) {
    // Customize: OK resizes, recolours and changes the level.
    const QColor chosen(10, 120, 200);
    WhenModalOpens([chosen](QWidget* widget) {
        auto* dialog = qobject_cast<TfmCustomize*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->SetColorPicker([chosen](int64_t, QWidget*) {
            return std::optional<int64_t>(StoredFromColor(chosen));
        });
        dialog->findChild<QAbstractButton*>("bnColor")->click();
        Captioned(dialog, "&800 x 600")->click();
        Captioned(dialog, "&Advanced")->click();
        Standard(dialog, QDialogButtonBox::Ok)->click();
    });
    window->Customize1Click();
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

    // Applying a back to deck two changes only its back.
    const QImage backZero = window->cards().Back(0).toImage();
    const QImage backOne = window->cards().Back(1).toImage();
    WhenModalOpens([](QWidget* dialog) {
        Captioned(dialog, "Deck Two")->click();
        Captioned(dialog, "S&tandard Pattern")->click();
        dialog->findChild<QAbstractButton*>("bnApply")->click();
        dialog->close();
    });
    window->Deck1Click();
    EXPECT_EQ(window->cards().Back(0).toImage(), backZero);
    EXPECT_NE(window->cards().Back(1).toImage(), backOne);

    // The help pages' commands open their dialog on their page.
    const auto openedPage = [this](int parameter) {
        QString page;
        WhenModalOpens([&page](QWidget* dialog) {
            auto* pages = dialog->findChild<QTabWidget*>();
            page = pages->tabText(pages->currentIndex());
            dialog->close();
        });
        QCoreApplication::postEvent(window.get(), new HelpCommandEvent(parameter));
        QCoreApplication::sendPostedEvents(window.get(), HelpCommandEvent::kType);
        return page;
    };
    EXPECT_EQ(openedPage(3), "Canastas");
    EXPECT_EQ(openedPage(1), "General");

    // The lobby opens modally and its events reach the lobby while it is hidden.
    bool suspendedWhileOpen = false;
    WhenModalOpens([&](QWidget* dialog) {
        EXPECT_EQ(dialog, window->LobbyWindow());
        suspendedWhileOpen = table().DispatchSuspended == 1;
        static_cast<QDialog*>(dialog)->reject();
    });
    Command(*window, "Lobby...")->trigger();
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
    EXPECT_FALSE(window->findChild<QLabel*>("pnLobbyActive")->isVisible());
}

}  // namespace
}  // namespace tavolex::test
