// The statistics dialogs opened on prepared records: what their buttons change and store.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "storage/qt/hall_of_fame_dialog.h"
#include "storage/qt/match_history_dialog.h"
#include "storage/qt/select_player_dialog.h"
#include "storage/qt/win_ratio_dialog.h"

namespace tavolex {
namespace {

template <typename T>
T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Clicks a radio button on its mark, as a user does.
void ClickRadio(QWidget& dialog, const QString& caption) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text() != caption) continue;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        return;
    }
    ADD_FAILURE() << caption.toStdString();
}

class StatisticsDialogsTest : public testing::Test {
  protected:
    MemorySettings store;
    HeadlessDialogs dialogs;
    Players players{{{"Anna", {3, 1}}, {"Bob", {0, 0}}, {"Cleo", {1, 1}}}, 2};
};

TEST_F(StatisticsDialogsTest, WinRatioShowsEachPlayerAndResetsOnYesOnly) {
    TfmWinRatio dialog(players, store, dialogs);
    auto* combo = Child<QComboBox>(dialog, "cbPlayers");
    // Wins, losses and the ratio as the labels show them.
    const auto shown = [&] {
        return Child<QLabel>(dialog, "lbWins")->text() + " " +
               Child<QLabel>(dialog, "lbLosses")->text() + " " +
               Child<QLabel>(dialog, "lbRatio")->text();
    };
    EXPECT_EQ(shown(), "1 1 50");  // the current player's
    combo->setCurrentIndex(0);
    EXPECT_EQ(shown(), "3 1 75");

    dialogs.yesNoAnswers = {false, true};
    QTest::mouseClick(Child<QPushButton>(dialog, "bnReset"), Qt::LeftButton);
    EXPECT_EQ(players.List[0].Ratio, (TWinRatio{3, 1}));
    QTest::mouseClick(Child<QPushButton>(dialog, "bnReset"), Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.back(),
              "Do you want to reset the win ratio statistics for player Anna?");
    EXPECT_EQ(shown(), "0 0 ?");
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName2", ""), "Anna,0,0");

    // Without players the command refuses to open it.
    Players none;
    ShowWinRatio(none, store, dialogs, nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kNoPlayersText);
}

TEST_F(StatisticsDialogsTest, HallOfFameShowsTheChosenTableAndClearsItOnYes) {
    Highscores highscores;
    highscores[2][1].Enter(900, "2026-01-02", "Anna");
    highscores[2][1].Enter(1200, "2026-01-03", "Cleo");
    highscores[0][0].Enter(150, "2026-01-04", "Bob");
    highscores[3][0].Enter(40, "2026-01-02", "Anna");
    SaveHighscoreTable(store, 3, 0, highscores[3][0]);
    TfmHallOfFame dialog(highscores, store, dialogs, 2, 1, 0);
    dialog.show();
    auto* grid = Child<QTableWidget>(dialog, "grScores");
    EXPECT_EQ(grid->item(0, 1)->text(), "Cleo");
    EXPECT_EQ(grid->item(0, 3)->text(), "1200");
    EXPECT_TRUE(grid->item(0, 1)->font().bold());  // the new row
    EXPECT_FALSE(grid->item(1, 1)->font().bold());

    ClickRadio(dialog, "&Beginner");
    ClickRadio(dialog, "&Hand");
    EXPECT_EQ(grid->item(0, 1)->text(), "Bob");
    EXPECT_FALSE(grid->item(0, 1)->font().bold());
    EXPECT_EQ(grid->item(1, 3)->text(), "");

    // Clear empties only the table shown, and only on Yes.
    ClickRadio(dialog, "&Network");
    dialogs.yesNoAnswers = {false, true};
    QTest::mouseClick(Child<QPushButton>(dialog, "bnClear"), Qt::LeftButton);
    EXPECT_TRUE(store.KeyExists("NetworkGame"));
    QTest::mouseClick(Child<QPushButton>(dialog, "bnClear"), Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.back(),
              "Are you sure you want to clear all highscores for the Network level?");
    EXPECT_EQ(highscores[3][0], HighscoreTable{});
    EXPECT_FALSE(store.KeyExists("NetworkGame"));
    EXPECT_EQ(grid->item(0, 1)->text(), "");
}

TEST_F(StatisticsDialogsTest, MatchHistoryListsTheTextsInTheirOrder) {
    TfmMatchHistory dialog({"second", "first"});
    auto* list = Child<QListWidget>(dialog, "lbMatches");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "second");
}

TEST_F(StatisticsDialogsTest, SelectPlayerMakesTheSelectedOneCurrentAndStoresIt) {
    TfmSelectPlayer dialog(players, store);
    auto* list = Child<QListWidget>(dialog, "lbPlayers");
    EXPECT_EQ(list->currentRow(), 2);
    list->setCurrentRow(1);
    QTest::mouseClick(Child<QPushButton>(dialog, "bnOK"), Qt::LeftButton);
    EXPECT_EQ(players.CurrentPlayer, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(LoadPlayers(store).CurrentName(), "Bob");
}

}  // namespace
}  // namespace tavolex
