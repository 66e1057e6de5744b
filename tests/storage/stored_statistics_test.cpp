// The records the end of a hand and of a match update through the store.
#include "storage/stored_statistics.h"

#include <gtest/gtest.h>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "storage/match_history.h"

namespace tavolex {
namespace {

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

TEST(StoredStatistics, MatchResultCountsRecordsAndSavesThePlayers) {
    Records r;
    r.statistics.players = {{{"Bob", {2, 2}}, {"Ann", {1, 0}}}, 1};
    r.statistics.RecordMatchResult(5200, 3100);
    r.statistics.RecordMatchResult(5000, 5000);
    EXPECT_EQ(LoadMatchHistory(r.store).front(),
              "2026-03-04 21:15: Ann - Computer: 5000 - 5000, winner: Draw");
    EXPECT_EQ(ReadText(r.store, "Player Names\\PlayerName1", ""), "Ann,2,0");

    Records nobody;
    nobody.statistics.RecordMatchResult(100, 5100);
    EXPECT_EQ(LoadMatchHistory(nobody.store).front(),
              "2026-03-04 21:15: Player - Computer: 100 - 5100, winner: Computer");
    EXPECT_FALSE(nobody.store.KeyExists("Player Names"));
}

}  // namespace
}  // namespace tavolex
