// The high-score tables and the match history in their stored forms.
#include "storage/highscores.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "storage/match_history.h"

namespace tavolex {
namespace {

HighscoreTable Full(int32_t lowest) {
    HighscoreTable table;
    for (int row = 0; row < kHighscoreRows; ++row) {
        table.Entries[row] = {lowest + (kHighscoreRows - 1 - row) * 100, "d",
                              "n" + std::to_string(row)};
    }
    return table;
}

TEST(HighscoreTable, RanksBelowEqualScoresAndNeedsToBeatTheLastRow) {
    HighscoreTable table = Full(500);  // 1400 .. 500
    EXPECT_EQ(table.Enter(500, "today", "Ann"), -1);
    EXPECT_EQ(table.Enter(501, "today", "Ann"), 9);
    EXPECT_EQ(table.Enter(1000, "today", "Bob"), 5);  // below the 1000 already there
    EXPECT_EQ(table.Entries[4].Name, "n4");
    EXPECT_EQ(table.Entries[5].Name, "Bob");
    EXPECT_EQ(table.Entries[9].Score, 600);  // 501 dropped out again
    EXPECT_EQ(table.Enter(9999, "today", "Cy"), 0);

    HighscoreTable empty;
    EXPECT_EQ(empty.Enter(0, "today", "Ann"), -1);
    EXPECT_EQ(empty.Enter(40, "today", "Ann"), 0);
    EXPECT_EQ(empty.Enter(40, "today", "Bob"), 1);
}

TEST(HighscoreStore, RoundTripsUnderLevelAndMatchSubkeysAndClears) {
    MemorySettings store;
    const HighscoreTable table = Full(10);
    SaveHighscoreTable(store, 3, 1, table);
    EXPECT_EQ(ReadInt(store, "NetworkGameMatch\\Score10", -1), 10);
    EXPECT_EQ(ReadText(store, "NetworkGameMatch\\Name1", ""), "n0");
    Highscores all = LoadHighscores(store);
    EXPECT_EQ(all[3][1], table);
    EXPECT_EQ(all[3][0], HighscoreTable{});
    SaveHighscoreTable(store, 3, 0, table);
    ClearHighscoreTable(store, 3, 1, all[3][1]);
    EXPECT_EQ(all[3][1], HighscoreTable{});
    EXPECT_FALSE(store.KeyExists("NetworkGameMatch"));
    EXPECT_TRUE(store.KeyExists("NetworkGame"));
}

TEST(HighscoreStore, DamagedScoresReadAsZero) {
    MemorySettings store;
    store.WriteValue("Expert\\Score1", std::string("lots"));
    store.WriteValue("Expert\\Score2", int64_t{-300});
    store.WriteValue("Expert\\Score3", int64_t{1} << 40);
    store.WriteValue("Expert\\Score4", std::string("250"));
    store.WriteValue("Expert\\Name1", int64_t{7});
    store.WriteValue("Expert\\Date1", std::string(400, 'x'));
    const HighscoreTable table = LoadHighscoreTable(store, 2, 0);
    EXPECT_EQ(table.Entries[0].Score, 0);
    EXPECT_EQ(table.Entries[1].Score, 0);
    EXPECT_EQ(table.Entries[2].Score, 0);
    EXPECT_EQ(table.Entries[3].Score, 250);
    EXPECT_EQ(table.Entries[0].Name, "7");
    EXPECT_EQ(table.Entries[0].Date.size(), 255u);
}

TEST(MatchHistory, KeepsTheLastHundredNewestFirst) {
    MemorySettings store;
    for (int match = 1; match <= 101; ++match)
        RecordMatchHistory(store, "m" + std::to_string(match));
    const std::vector<std::string> history = LoadMatchHistory(store);
    ASSERT_EQ(history.size(), 100u);
    EXPECT_EQ(history.front(), "m101");
    EXPECT_EQ(history.back(), "m2");
    EXPECT_EQ(ReadText(store, "MatchHistory\\Match0", ""), "m101");
}

TEST(MatchHistory, GapsAndExtraEntriesNeitherCrashNorDuplicate) {
    MemorySettings store;
    store.WriteValue("MatchHistory\\Match0", std::string("a"));
    store.WriteValue("MatchHistory\\Match5", std::string("b"));
    store.WriteValue("MatchHistory\\Match150", std::string("ignored"));
    EXPECT_EQ(LoadMatchHistory(store), (std::vector<std::string>{"a", "b"}));
    RecordMatchHistory(store, "c");
    EXPECT_EQ(LoadMatchHistory(store), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(ReadText(store, "MatchHistory\\Match6", ""), "b");
}

TEST(MatchHistory, TextNamesTheWinnerOrADraw) {
    EXPECT_EQ(MatchHistoryText("1.2.2026 10:00", "Ann", "Computer", 5120, 3300),
              "1.2.2026 10:00: Ann - Computer: 5120 - 3300, winner: Ann");
    EXPECT_EQ(MatchHistoryText("d", "Ann", "Bob", 10, 5010),
              "d: Ann - Bob: 10 - 5010, winner: Bob");
    EXPECT_EQ(MatchHistoryText("d", "Ann", "Bob", 5000, 5000),
              "d: Ann - Bob: 5000 - 5000, winner: Draw");
}

}  // namespace
}  // namespace tavolex
