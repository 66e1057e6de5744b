// The end of a hand (who went out, scoring, the next deal) and of the match at 5000 points.
#include "table/end_of_hand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/status_texts.h"
#include "position.h"

namespace tavolex {
namespace {

TEST(MatchComment, EachMarginFallsInItsBand) {
    const struct {
        int margin;
        const char* comment;
    } cases[] = {
        {0, "It's a draw!"},
        {200, "Congratulations Eva! You won, but it was pretty close!"},
        {201, "Congratulations Eva! You won."},
        {500, "Congratulations Eva! You won."},
        {1800, "Congratulations Eva! You beat the computer."},
        {2500, "Congratulations Eva! You defeated the computer."},
        {2501, "Congratulations Eva! You crushed the computer."},
        {-200, "Too bad, Eva, you lost but it was pretty close."},
        {-201, "Too bad, Eva, you lost."},
        {-500, "Too bad, Eva, you lost."},
        {-1800, "Too bad, Eva, the computer beat you."},
        {-2500, "Too bad, Eva, the computer defeated you."},
        {-2501, "Too bad, Eva, the computer crushed you."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchComment(c.margin, "Eva", "the computer"), c.comment) << c.margin;
    }
}

// Both hands still hold cards: the stock ran out and End Hand was pressed.
void BuildEndedHand(HeadlessGame& game, int playerScore, int opponentScore) {
    test::BuildPosition(game, {.playerHand = "club4",
                               .opponentHand = "spade4",
                               .discardPile = "heart9",
                               .playerScore = playerScore,
                               .opponentScore = opponentScore});
    game.state().StockExhausted = 1;
    game.state().EndHandRequested = 1;
}

std::string FolderWithAutosave(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / name;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "autosave.tvx") << "TavolexSavedGame";
    return folder.string() + "/";
}

bool Played(const HeadlessGame& game, int event) {
    const auto& events = game.sounds.events;
    return std::find(events.begin(), events.end(), event) != events.end();
}

TEST(EndOfHand, OnlyAFinishedHandIsScoredAndOnlyOnce) {
    HeadlessGame game;
    BuildEndedHand(game, 0, 0);
    game.state().EndHandRequested = 0;
    GameState before = game.state();
    EXPECT_FALSE(EndOfHandCheck(game.table));
    EXPECT_EQ(game.state(), before);
    EXPECT_EQ(game.view.dispatchPosts, 1);

    BuildEndedHand(game, 0, 0);
    game.table.SetPrompt(kPromptHandOver);
    before = game.state();
    EXPECT_FALSE(EndOfHandCheck(game.table));
    EXPECT_EQ(game.state(), before);
    EXPECT_TRUE(game.dialogs.scorings.empty());
}

TEST(EndOfHand, AWonMatchIsRecordedAndPlayedAgainOnYes) {
    HeadlessGame game;
    game.statistics.playerName = "Eva";
    game.table.ProgramFolder = FolderWithAutosave("match_won");
    BuildEndedHand(game, 5100, 1000);
    EXPECT_TRUE(EndOfHandCheck(game.table));

    const GameOverInfo& info = game.dialogs.gameOvers.at(0);
    EXPECT_EQ(info.comment, "Congratulations Eva! You crushed the computer.");
    EXPECT_EQ(info.opponentScoreLabel, "Computer's score:");
    EXPECT_EQ(info.margin, info.playerScore - info.opponentScore);
    ASSERT_EQ(game.statistics.highscores.size(), 2u);
    EXPECT_EQ(game.statistics.highscores[0].first, kHandHighscore);
    EXPECT_EQ(game.statistics.highscores[1].first, kMatchHighscore);
    EXPECT_EQ(game.statistics.highscores[1].second, info.margin);
    EXPECT_EQ(game.statistics.matches.at(0).first, info.playerScore);
    EXPECT_TRUE(Played(game, kSoundWinMatch));
    // A new match has begun with the next deal.
    EXPECT_EQ(game.state().PlayerScore, 0);
    EXPECT_EQ(game.state().GameInProgress, 0);
    EXPECT_EQ(game.state().PlayerHand.count, 15);
    EXPECT_TRUE(std::filesystem::exists(game.table.ProgramFolder + "autosave.tvx"));
}

TEST(EndOfHand, DecliningAnotherMatchDeletesTheAutosaveAndCloses) {
    HeadlessGame game;
    game.table.ProgramFolder = FolderWithAutosave("match_declined");
    game.dialogs.gameOverAnswer = GameOverAnswer::No;
    BuildEndedHand(game, 1000, 5100);
    EXPECT_TRUE(EndOfHandCheck(game.table));
    EXPECT_EQ(game.dialogs.gameOvers.at(0).comment, "Too bad, Player, the computer crushed you.");
    EXPECT_TRUE(Played(game, kSoundLoseMatch));
    EXPECT_TRUE(game.view.closed);
    EXPECT_FALSE(std::filesystem::exists(game.table.ProgramFolder + "autosave.tvx"));
    EXPECT_EQ(game.state().Prompt, kPromptHandOver);  // no next hand
}

TEST(EndOfHand, ANetworkMatchIsRestartedByItsWinnerWhoDeals) {
    for (const bool playerWins : {true, false}) {
        SCOPED_TRACE(playerWins);
        HeadlessGame game;
        game.table.NetworkActive = true;
        game.table.PeerName = "Anna";
        game.table.DealsNextHand = playerWins;
        game.dialogs.gameOverAnswer = GameOverAnswer::Ok;
        BuildEndedHand(game, playerWins ? 5100 : 1000, playerWins ? 1000 : 5100);
        EXPECT_TRUE(EndOfHandCheck(game.table));
        const GameOverInfo& info = game.dialogs.gameOvers.at(0);
        EXPECT_EQ(info.opponentScoreLabel, "Anna's score:");
        EXPECT_TRUE(info.networkGame);
        if (playerWins) {
            ASSERT_EQ(game.peer.sent.size(), 2u);
            EXPECT_EQ(game.peer.sent[0].token, kTokenNewGame);
            EXPECT_EQ(game.peer.sent[1].token, kTokenDeal);
        } else {
            EXPECT_EQ(info.comment, "Too bad, Player, Anna crushed you.");
            // The loser waits for the winner's deal.
            EXPECT_TRUE(game.peer.sent.empty());
            EXPECT_EQ(game.state().Prompt, kPromptHandOver);
        }
    }
}

}  // namespace
}  // namespace tavolex
