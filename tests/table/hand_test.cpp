// A hand from its deal to its end: the shuffle and its deal text, the two hands with their red
// threes, the upcard, who draws first; then scoring, the next deal, and the match's end at 5000.
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

using test::Names;

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

// The deal text is the start flag and then, card by card in the order the pack is built
// (deck 0 then 1; spades, clubs, diamonds, hearts from two to ace; two jokers), the stock slot
// it went to, plus 32. The seeded shuffle is pinned: a change breaks replays and network games
// between versions.
TEST(Deal, TheDealTextDescribesTheShuffledStockAndStaysTheSame) {
    HeadlessGame game(1);
    game.table.NetworkActive = true;  // the peer hears the deal text only in a network game
    DealHand(game.table, false);
    EXPECT_EQ(test::Sent(game.peer, true),
              "DEAL:1u[h@oism\x8b"
              "D4}<Q >e\"0&\x82T/fLyZR|S]nX%_2Aalt5H\\)K\x7f:Y6kv9+x=#\x8a(M3\x87"
              "B~!z\x83\x85'Iwr.cWN,d\x84\x89^*;gjU8J\x88$b\x81"
              "71PE`\?GOp{C\x80"
              "Fq\x86-V");
    EXPECT_EQ(Names(game.state().PlayerHand),
              "diamond4 heart9 spadev cluba joker club4 hearth spade2 heart2 spade8 club5 hearth "
              "heart8 spade6 diamond7");
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

// The next hand is dealt inside that opening turn with the player to draw first, and the
// opponent starts the one after.
TEST(Deal, AHandTheOpponentEndsInItsOpeningTurnKeepsTheAlternation) {
    HeadlessGame game;
    OutAtOnceOpponent opponent;
    game.table.opponent = &opponent;
    game.state().PlayerStartsNext = 0;
    DealHand(game.table, false);
    EXPECT_EQ(game.state().WentOut, kOpponentWentOut);
    EXPECT_EQ(opponent.turnsPlayed, 1);
    EXPECT_EQ(test::Turn(game.state()), "player draws");
    EXPECT_EQ(game.state().PlayerStartsNext, 0);
}

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
        // The loser waits for the winner's deal.
        EXPECT_EQ(test::Sent(game.peer), playerWins ? "NEWGAME DEAL" : "");
        if (!playerWins) {
            EXPECT_EQ(info.comment, "Too bad, Player, Anna crushed you.");
            EXPECT_EQ(game.state().Prompt, kPromptHandOver);
        }
    }
}

}  // namespace
}  // namespace tavolex
