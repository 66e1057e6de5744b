// The player list in its stored form, the Players-page operations and the win ratio.
#include "storage/players.h"

#include <gtest/gtest.h>

#include "game/headless_seams.h"
#include "game/memory_settings.h"

namespace tavolex {
namespace {

Players Sample() {
    return {{{"Ann", {12, 7}}, {"Bob", {0, 3}}, {"Cy", {1, 1}}}, 1};
}

TEST(PlayersStore, SavesCurrentFirstAndReadsItBackAsCurrent) {
    MemorySettings store;
    store.WriteValue("Player Names\\PlayerName9", std::string("Stale,1,1"));
    SavePlayers(store, Sample());
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName1", ""), "Bob,0,3");
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName2", ""), "Ann,12,7");
    EXPECT_FALSE(store.ValueExists("Player Names\\PlayerName9"));
    const Players loaded = LoadPlayers(store);
    EXPECT_EQ(loaded, (Players{{{"Bob", {0, 3}}, {"Ann", {12, 7}}, {"Cy", {1, 1}}}, 0}));
    MemorySettings empty;
    EXPECT_EQ(LoadPlayers(empty).CurrentPlayer, -1);
}

TEST(PlayersStore, DamagedEntriesReadAsWellAsTheyCanAndTheNextSaveRepairsThem) {
    MemorySettings store;
    const char* stored[] = {"Ann", "Bob,x,4", "Cy,3", ",5,5", "Dee, 2 ,-4", "Eve,1,99999999999"};
    for (int n = 0; n < 6; ++n) {
        store.WriteValue("player names\\playername" + std::to_string(n + 1),
                         std::string(stored[n]));
    }
    store.WriteValue("Player Names\\PlayerName8", std::string("AfterTheGap,1,1"));
    const Players loaded = LoadPlayers(store);
    const PlayerList expected = {
        {"Ann", {0, 0}}, {"Bob", {0, 4}}, {"Cy", {3, 0}}, {"Dee", {2, 0}}, {"Eve", {1, 0}}};
    EXPECT_EQ(loaded.List, expected);
    SavePlayers(store, loaded);
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName1", ""), "Ann,0,0");
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName4", ""), "Dee,2,0");
    EXPECT_FALSE(store.ValueExists("Player Names\\PlayerName6"));
}

TEST(PlayersPage, OperationsKeepTheCurrentPlayerMeaningful) {
    Players players;
    EXPECT_TRUE(AddPlayer(players, "Ann"));
    EXPECT_EQ(players.CurrentPlayer, 0);  // the only player becomes current
    EXPECT_TRUE(AddPlayer(players, "Bob"));
    EXPECT_FALSE(AddPlayer(players, "Smith, John"));
    EXPECT_FALSE(AddPlayer(players, ""));
    EXPECT_FALSE(RenamePlayer(players, 1, "Bob,2"));
    EXPECT_FALSE(RenamePlayer(players, 5, "Zed"));
    EXPECT_TRUE(SetCurrentPlayer(players, 1));
    EXPECT_TRUE(DeletePlayer(players, 0));
    EXPECT_EQ(players.CurrentName(), "Bob");
    EXPECT_TRUE(DeletePlayer(players, 0));
    EXPECT_EQ(players.CurrentPlayer, -1);
    EXPECT_EQ(players.CurrentName(), "");
    EXPECT_FALSE(DeletePlayer(players, 0));
}

TEST(PlayersPage, ButtonsAskFirstAndRefuseCommas) {
    Players players = Sample();
    HeadlessDialogs dialogs;
    dialogs.inputAnswer = "Doe, Jane";
    EXPECT_FALSE(AskNewPlayer(players, dialogs));
    EXPECT_FALSE(AskRenamePlayer(players, 0, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Please do not use commas in the name.");
    EXPECT_EQ(players, Sample());

    dialogs.inputAnswer = "Dee";
    EXPECT_TRUE(AskNewPlayer(players, dialogs));
    EXPECT_EQ(players.List.back().Name, "Dee");
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(AskResetPlayerStats(players, 0, dialogs));
    EXPECT_TRUE(AskResetPlayerStats(players, 0, dialogs));
    EXPECT_EQ(dialogs.questions.back(),
              "Do you want to reset the win ratio statistics for player Ann?");
    EXPECT_EQ(players.List[0].Ratio, TWinRatio{});
}

TEST(PlayersRecord, CountsWinsAndLossesOfTheCurrentPlayerOnly) {
    Players players = Sample();
    CountMatchResult(players, 5100, 3000);
    CountMatchResult(players, 2000, 5050);
    CountMatchResult(players, 5000, 5000);
    EXPECT_EQ(players.List[1].Ratio, (TWinRatio{1, 4}));
    Players nobody = {Sample().List, -1};
    CountMatchResult(nobody, 5100, 3000);
    EXPECT_EQ(nobody.List, Sample().List);
}

TEST(WinRatio, RoundsHalfToEvenAndShowsQuestionMarkBeforeAnyMatch) {
    EXPECT_EQ(WinRatioText({0, 0}), "?");
    EXPECT_EQ(WinRatioText({1, 1}), "50");
    EXPECT_EQ(WinRatioText({1, 199}), "0");  // 0.5 rounds to 0
    EXPECT_EQ(WinRatioText({3, 197}), "2");  // 1.5 rounds to 2
    EXPECT_EQ(WinRatioText({5, 195}), "2");  // 2.5 rounds to 2
    EXPECT_EQ(WinRatioText({2, 1}), "67");
    EXPECT_EQ(WinRatioText({2147483647, 2147483647}), "50");
}

}  // namespace
}  // namespace tavolex
