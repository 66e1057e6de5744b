// A hand from its deal to its end: the two hands with their red threes, the upcard, who draws
// first; then the match comment and the match's end at 5000.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/status_texts.h"
#include "position.h"
#include "scripted_opponent.h"
#include "table/deal.h"
#include "table/end_of_hand.h"
#include "table_records.h"

namespace tavolex {
namespace {

// Every deal: fifteen cards each, red threes laid out in their column, a natural upcard on top
// of any wild cards and red threes turned up before it, and a pile frozen by those or by the
// stored Initial Block alone.
TEST(Deal, EveryDealHandsOutFifteenCardsEachWithRedThreesLaidOut) {
    int redThreesDealt = 0;
    int coveredUpcards = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        HeadlessGame game(seed);
        const bool initialBlock = seed % 2 == 0;
        game.settings.WriteValue("Settings\\Initial Block", int64_t{initialBlock});
        DealHand(game.table, false);
        const GameState& state = game.state();
        EXPECT_EQ(test::CheckPackInvariant(game), "");
        EXPECT_EQ(state.PlayerHand.count, 15);
        EXPECT_EQ(state.OpponentHand.count, 15);
        for (const CardPile* hand : {&state.PlayerHand, &state.OpponentHand})
            for (const CardRecord& card : *hand) EXPECT_FALSE(IsRedThree(card.cardId));
        for (const CardPile* melds : {&state.PlayerMelds, &state.OpponentMelds}) {
            for (const CardRecord& card : *melds) {
                EXPECT_TRUE(IsRedThree(card.cardId));
                EXPECT_EQ(card.x, game.table.layout.ColumnLeft(kRankThree));
                EXPECT_EQ(card.faceUp, 1);
            }
            redThreesDealt += melds->count;
        }
        const CardPile& pile = state.DiscardPile;
        for (const CardRecord& card : pile) {
            const bool turnedOnward = IsWildRank(card.rank) || IsRedThree(card.cardId);
            EXPECT_EQ(turnedOnward, &card != &pile.Top());
        }
        EXPECT_EQ(state.PileFrozen, initialBlock || pile.count > 1);
        coveredUpcards += pile.count > 1;
        EXPECT_EQ(state.PlayerHandSaved, state.PlayerHand);
    }
    EXPECT_GT(redThreesDealt, 0);
    EXPECT_GT(coveredUpcards, 0);
}

TEST(Deal, TheSidesTakeTurnsToDrawFirstAcrossMatches) {
    HeadlessGame game(1);
    game.table.TableShowing = true;
    test::ScriptedOpponent opponent;
    game.table.opponent = &opponent;
    GameState& state = game.state();

    DealHand(game.table, true);
    EXPECT_EQ(game.sounds.events.at(0), kSoundStart);
    EXPECT_EQ(game.view.whoseTurn, "It's your turn to draw first.");

    // The opponent starts, plays its whole turn within the deal and hands the turn over.
    DealHand(game.table, false);
    EXPECT_EQ(game.view.whoseTurn, "It's the computer's turn to draw first.");
    EXPECT_EQ(test::Turn(state), "player draws");

    // A new match goes on with the alternation.
    StartNewGame(game.table);
    EXPECT_EQ(opponent.turnsPlayed, 1);
    StartNewGame(game.table);
    EXPECT_EQ(opponent.turnsPlayed, 2);
}

// Goes out on its first turn (its cards simply leave the table), then plays no more.
class OutAtOnceOpponent : public OpponentPlayer {
  public:
    void PlayTurn(Table& table) override {
        if (++turnsPlayed == 1) {
            table.state.OpponentHand.count = 0;
            table.state.OpponentTally.canastaCount = 1;
        }
        table.flow->EndOfHandCheck();
        table.state.PlayerLocked = 0;
        table.SetPrompt(kPromptDraw);
        table.state.OpponentPhase = kOpponentIdle;
    }
    int turnsPlayed = 0;
};

TEST(Deal, ANewGameDuringANetworkMatchAsksFirst) {
    HeadlessGame game(1);
    test::BuildPosition(game, {.playerHand = "club4 club5", .playerScore = 800});
    game.table.NetworkActive = true;
    game.dialogs.yesNoAnswers = {false, true};
    const GameState before = game.state();
    StartNewGame(game.table);
    EXPECT_EQ(game.state(), before);
    StartNewGame(game.table);
    EXPECT_EQ(game.dialogs.questions.at(1),
              "You have a network game running. Are you sure you want to start a new game?");
    EXPECT_EQ(test::Sent(game.peer), "NEWGAME DEAL");
    EXPECT_EQ(game.table.ConcealRemote, 1);
}

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

// A match won is recorded and played again on Yes; declining another after a lost one deletes
// the autosave file and closes the program.
TEST(EndOfHand, AMatchEndsWithItsRecordAndAnotherMatchOrTheEnd) {
    for (const bool won : {true, false}) {
        SCOPED_TRACE(won);
        HeadlessGame game;
        game.table.ProgramFolder = FolderWithAutosave(won ? "match_won" : "match_lost");
        game.dialogs.gameOverAnswer = won ? GameOverAnswer::Yes : GameOverAnswer::No;
        BuildEndedHand(game, won ? 5100 : 1000, won ? 1000 : 5100);
        EXPECT_TRUE(EndOfHandCheck(game.table));

        const GameOverInfo& info = game.dialogs.gameOvers.at(0);
        EXPECT_EQ(game.statistics.matches.at(0).first, info.playerScore);
        EXPECT_TRUE(Played(game, won ? kSoundWinMatch : kSoundLoseMatch));
        EXPECT_EQ(std::filesystem::exists(game.table.ProgramFolder + "autosave.tvx"), won);
        EXPECT_EQ(game.view.closed, !won);
        if (won) {
            ASSERT_EQ(game.statistics.highscores.size(), 2u);
            EXPECT_EQ(game.statistics.highscores[1].second, info.margin);
            // A new match has begun with the next deal.
            EXPECT_EQ(game.state().PlayerScore, 0);
            EXPECT_EQ(game.state().PlayerHand.count, 15);
        } else {
            EXPECT_EQ(game.state().Prompt, kPromptHandOver);  // no next hand
        }
    }
}

}  // namespace
}  // namespace tavolex
