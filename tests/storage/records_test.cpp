// The player list, the high-score tables and the match history: their stored forms, the
// Players-page operations, and what the end of a hand or of a match records through the store.
#include <gtest/gtest.h>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "storage/highscores.h"
#include "storage/match_history.h"
#include "storage/players.h"
#include "storage/stored_statistics.h"

namespace tavolex {
namespace {

Players Sample() {
    return {{{"Ann", {12, 7}}, {"Bob", {0, 3}}, {"Cy", {1, 1}}}, 1};
}

TEST(PlayersStore, SavesCurrentFirstAndReadsItBackAsCurrentOrAsWellAsItCan) {
    MemorySettings store;
    store.WriteValue("Player Names\\PlayerName9", std::string("Stale,1,1"));
    SavePlayers(store, Sample());
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName1", ""), "Bob,0,3");
    EXPECT_FALSE(store.ValueExists("Player Names\\PlayerName9"));
    EXPECT_EQ(LoadPlayers(store),
              (Players{{{"Bob", {0, 3}}, {"Ann", {12, 7}}, {"Cy", {1, 1}}}, 0}));
    MemorySettings empty;
    EXPECT_EQ(LoadPlayers(empty).CurrentPlayer, -1);

    // Damaged entries read as well as they can, and the next save repairs them.
    store.DeleteKey("Player Names");
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

TEST(WinRatio, RoundsHalfToEvenAndShowsQuestionMarkBeforeAnyMatch) {
    EXPECT_EQ(WinRatioText({0, 0}), "?");
    EXPECT_EQ(WinRatioText({1, 1}), "50");
    EXPECT_EQ(WinRatioText({1, 199}), "0");  // 0.5 rounds to 0
    EXPECT_EQ(WinRatioText({3, 197}), "2");  // 1.5 rounds to 2
    EXPECT_EQ(WinRatioText({2, 1}), "67");
    EXPECT_EQ(WinRatioText({2147483647, 2147483647}), "50");
}

// Ten rows from lowest + 900 down to lowest, a hundred apart.
HighscoreTable Full(int32_t lowest) {
    HighscoreTable table;
    for (int row = 0; row < kHighscoreRows; ++row) {
        table.Entries[row] = {lowest + (kHighscoreRows - 1 - row) * 100, "d",
                              "n" + std::to_string(row)};
    }
    return table;
}

TEST(Highscores, RankBelowEqualScoresAndRoundTripThroughTheStoreWhereDamageReadsAsZero) {
    HighscoreTable table = Full(500);
    EXPECT_EQ(table.Enter(500, "today", "Ann"), -1);
    EXPECT_EQ(table.Enter(501, "today", "Ann"), 9);
    EXPECT_EQ(table.Enter(1000, "today", "Bob"), 5);  // below the 1000 already there
    EXPECT_EQ(table.Entries[4].Name, "n4");
    EXPECT_EQ(table.Entries[5].Name, "Bob");
    EXPECT_EQ(table.Enter(9999, "today", "Cy"), 0);

    HighscoreTable empty;
    EXPECT_EQ(empty.Enter(0, "today", "Ann"), -1);
    EXPECT_EQ(empty.Enter(40, "today", "Ann"), 0);

    // Stored under the level's and the kind's subkey, cleared with it.
    MemorySettings store;
    table = Full(10);
    SaveHighscoreTable(store, 3, 1, table);
    EXPECT_EQ(ReadInt(store, "NetworkGameMatch\\Score10", -1), 10);
    Highscores all = LoadHighscores(store);
    EXPECT_EQ(all[3][1], table);
    SaveHighscoreTable(store, 3, 0, table);
    ClearHighscoreTable(store, 3, 1, all[3][1]);
    EXPECT_EQ(all[3][1], HighscoreTable{});
    EXPECT_FALSE(store.KeyExists("NetworkGameMatch"));
    EXPECT_TRUE(store.KeyExists("NetworkGame"));

    store.WriteValue("Expert\\Score1", std::string("lots"));
    store.WriteValue("Expert\\Score2", int64_t{-300});
    store.WriteValue("Expert\\Score3", int64_t{1} << 40);
    store.WriteValue("Expert\\Score4", std::string("250"));
    store.WriteValue("Expert\\Name1", int64_t{7});
    store.WriteValue("Expert\\Date1", std::string(400, 'x'));
    const HighscoreTable damaged = LoadHighscoreTable(store, 2, 0);
    EXPECT_EQ(damaged.Entries[0], (HighscoreEntry{0, std::string(255, 'x'), "7"}));
    EXPECT_EQ(damaged.Entries[1].Score, 0);
    EXPECT_EQ(damaged.Entries[2].Score, 0);
    EXPECT_EQ(damaged.Entries[3].Score, 250);
}

struct Records {
    Records() {
        clock.dateTime = "2026-03-04 21:15";
        statistics.showHallOfFame = [this](int level, int kind, int row) {
            shown.push_back({level, kind, row});
        };
    }
    struct Shown {
        int level, kind, row;
    };
    MemorySettings store;
    HeadlessDialogs dialogs;
    HeadlessSounds sounds;
    FixedClock clock;
    StoredStatistics statistics{store, dialogs, sounds, clock};
    std::vector<Shown> shown;
};

TEST(StoredStatistics, AsksTheNameOncePerHandEndAndShowsTheNewRow) {
    Records r;
    r.statistics.players = {{{"Ann", {}}}, 0};
    r.statistics.context = [] { return GameContext{1, false, "Computer"}; };
    r.dialogs.inputAnswer = "Annie";
    r.statistics.EnterHighscore(kHandHighscore, 0);  // a lost or even hand enters nothing
    r.statistics.EnterHighscore(kMatchHighscore, 1200);
    r.statistics.EnterHighscore(kHandHighscore, 300);
    r.dialogs.inputAnswer = "Other";
    r.statistics.EnterHighscore(kMatchHighscore, 700);  // same hand-end: not asked again
    EXPECT_EQ(r.dialogs.questions, (std::vector<std::string>{"Match Score in Highscore List",
                                                             "Hand Score in Highscore List"}));
    EXPECT_EQ(r.sounds.events,
              (std::vector<int>{kSoundHighscore, kSoundHighscore, kSoundHighscore}));
    EXPECT_EQ(ReadText(r.store, "AdvancedMatch\\Name2", ""), "Annie");
    EXPECT_EQ(ReadInt(r.store, "AdvancedMatch\\Score2", 0), 700);
    EXPECT_EQ(ReadText(r.store, "Advanced\\Date1", ""), "2026-03-04");
    ASSERT_EQ(r.shown.size(), 3u);
    EXPECT_EQ(r.shown[2].row, 1);
    EXPECT_EQ(r.shown[2].kind, kMatchHighscore);
}

TEST(StoredStatistics, NetworkLossesEnterTheOpponentQuietlyWithShowHighscoresOff) {
    Records r;
    r.store.WriteValue("Settings\\Show Highscores", int64_t{0});
    r.statistics.context = [] { return GameContext{3, true, "Zed"}; };
    r.statistics.EnterHighscore(kHandHighscore, -450);
    r.statistics.EnterHighscore(kMatchHighscore, 90);
    EXPECT_TRUE(r.dialogs.questions.empty());
    EXPECT_TRUE(r.sounds.events.empty() && r.shown.empty());
    EXPECT_EQ(ReadText(r.store, "NetworkGame\\Name1", ""), "Zed");
    EXPECT_EQ(ReadInt(r.store, "NetworkGame\\Score1", 0), 450);
    EXPECT_EQ(ReadText(r.store, "NetworkGameMatch\\Name1", ""), "Player");
}

// A match result goes into the history, naming the winner or a draw, and counts for the current
// player only (a draw for neither side).
TEST(StoredStatistics, MatchResultCountsRecordsAndSavesThePlayers) {
    Records r;
    r.statistics.players = {{{"Bob", {2, 2}}, {"Ann", {1, 0}}}, 1};
    r.statistics.RecordMatchResult(5200, 3100);
    r.statistics.RecordMatchResult(2000, 5050);
    r.statistics.RecordMatchResult(5000, 5000);
    EXPECT_EQ(
        LoadMatchHistory(r.store),
        (std::vector<std::string>{"2026-03-04 21:15: Ann - Computer: 5000 - 5000, winner: Draw",
                                  "2026-03-04 21:15: Ann - Computer: 2000 - 5050, winner: Computer",
                                  "2026-03-04 21:15: Ann - Computer: 5200 - 3100, winner: Ann"}));
    EXPECT_EQ(ReadText(r.store, "Player Names\\PlayerName1", ""), "Ann,2,1");
    EXPECT_EQ(r.statistics.players.List[0].Ratio, (TWinRatio{2, 2}));

    Records nobody;
    nobody.statistics.RecordMatchResult(100, 5100);
    EXPECT_EQ(LoadMatchHistory(nobody.store).front(),
              "2026-03-04 21:15: Player - Computer: 100 - 5100, winner: Computer");
    EXPECT_FALSE(nobody.store.KeyExists("Player Names"));
    Players noneCurrent = {Sample().List, -1};
    CountMatchResult(noneCurrent, 5100, 3000);
    EXPECT_EQ(noneCurrent.List, Sample().List);
}

}  // namespace
}  // namespace tavolex
