// Scoring a finished hand: both sides' results, the match totals, the sounds and the dialogs.
#include "game/scoring.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::Position;

// Fields in their order: meldCount, meldPoints, handCount, handPoints, canastaCount,
// canastaBonus, redThreeCount, redThreePoints, spare, finishBonus, spare, total.
using Values = std::array<int32_t, 12>;

const std::string kKingsCanasta = "spadeh clubh diamondh hearth spadeh clubh diamondh";
const char* const kFourRedThrees = "heart3 diamond3 heart3 diamond3 | spade5 club5 diamond5";

class Scoring : public ::testing::Test {
  protected:
    HeadlessGame game;
};

TEST_F(Scoring, EachSideScoresItsMeldsHandCanastasRedThreesAndFinish) {
    // The natural canasta, five queens and two red threes: 120 points of cards.
    const std::string wentOutWith =
        "heart3 diamond3 | " + kKingsCanasta + " | spadev clubv diamondv heartv spadev";
    struct Case {
        const char* why;
        Position position;
        Values player;
        bool wentOut = false;
        int32_t meldedBefore = 0;
    };
    const Case cases[] = {
        {"going out",
         {.playerMelds = wentOutWith},
         {12, 120, 0, 0, 1, 500, 2, 200, 0, 100, 0, 920},
         true,
         90},
        {"going out concealed",
         {.playerMelds = wentOutWith},
         {12, 120, 0, 0, 1, 500, 2, 200, 0, 200, 0, 1020},
         true},
        {"four red threes",
         {.playerMelds = kFourRedThrees},
         {3, 15, 0, 0, 0, 0, 4, 800, 0, 0, 0, 815}},
        {"only red threes laid",
         {.playerHand = "spadeh heart5", .playerMelds = "heart3 diamond3"},
         {0, 0, 2, -15, 0, 0, 2, -200, 0, 0, 0, -215}},
        {"a wild-card canasta",
         {.playerMelds = "joker joker joker club2 spade2 heart2 diamond2"},
         {7, 230, 0, 0, 1, 1000, 0, 0, 0, 0, 0, 1230}},
    };
    for (const Case& c : cases) {
        BuildPosition(game, c.position);
        game.state().WentOut = c.wentOut ? kPlayerWentOut : kNobodyWentOut;
        game.state().PlayerMeldedBefore = c.meldedBefore;
        EXPECT_EQ(ScoreHand(game.table).player.Values(), c.player) << c.why;
    }
}

TEST_F(Scoring, TooFewCanastasUnderCanastaRequiredScoreTheMeldsNegative) {
    game.table.rules().CanastaRequired = 1;
    BuildPosition(game, {.playerMelds = kFourRedThrees});
    EXPECT_EQ(ScoreHand(game.table).player.Values(),
              (Values{3, -15, 0, 0, 0, 0, 4, -800, 0, 0, 0, -815}));

    game.table.rules().NumberOfCanastas = 2;
    BuildPosition(game, {.playerHand = "spade5", .playerMelds = kKingsCanasta + " | heart3"});
    EXPECT_EQ(ScoreHand(game.table).player.Values(),
              (Values{7, -70, 1, -5, 0, 0, 1, -100, 0, 0, 0, -175}));
}

TEST_F(Scoring, TheOpponentScoresItsOwnSideAndTheTotalsAddUp) {
    BuildPosition(game, {.playerHand = "spade5",
                         .playerMelds = "club7 diamond7 heart7",
                         .opponentMelds = "spade5 club5 diamond5",
                         .playerScore = 1000,
                         .opponentScore = 2000});
    game.state().WentOut = kOpponentWentOut;
    game.state().OpponentMeldedBefore = 15;
    const HandScores scores = ScoreHand(game.table);
    EXPECT_EQ(scores.opponent.Values(), (Values{3, 15, 0, 0, 0, 0, 0, 0, 0, 100, 0, 115}));
    EXPECT_EQ(scores.player.total, 10);
    EXPECT_EQ(game.state().PlayerScore, 1010);
    EXPECT_EQ(game.state().OpponentScore, 2115);
    EXPECT_EQ(game.sounds.events, std::vector<int>{kSoundLoseHand});
    ASSERT_EQ(game.dialogs.scorings.size(), 1u);
    EXPECT_EQ(game.dialogs.scorings[0].opponentLabel, "Computer's Score:");
    EXPECT_EQ(game.dialogs.scorings[0].opponentTotal, 115);
    EXPECT_TRUE(game.dialogs.details.empty());
}

TEST_F(Scoring, EqualTotalsWinTheHand) {
    BuildPosition(game, {});
    ScoreHand(game.table);
    EXPECT_EQ(game.sounds.events, std::vector<int>{kSoundWinHand});
}

TEST_F(Scoring, DetailsNameBothSides) {
    game.dialogs.wantDetails = true;
    game.statistics.playerName = "Ines";
    BuildPosition(game, {.playerMelds = "spade5 club5 diamond5", .opponentHand = "heart9"});
    ScoreHand(game.table);
    ASSERT_EQ(game.dialogs.details.size(), 1u);
    EXPECT_EQ(game.dialogs.details[0].playerName, "Ines");
    EXPECT_EQ(game.dialogs.details[0].opponentName, "Computer");
    EXPECT_EQ(game.dialogs.details[0].player.total, 15);
    EXPECT_EQ(game.dialogs.details[0].opponent.total, -10);

    game.statistics.playerName.clear();
    game.table.NetworkActive = true;
    game.table.PeerName = "Marit";
    ScoreHand(game.table);
    EXPECT_EQ(game.dialogs.scorings.back().opponentLabel, "Marit's Score:");
    EXPECT_EQ(game.dialogs.details.back().playerName, "Player");
    EXPECT_EQ(game.dialogs.details.back().opponentName, "Marit");
}

// Records how the opponent's hand lay while the details were open.
class DetailsWatcher : public HeadlessDialogs {
  public:
    void ShowDetails(const DetailsInfo& info) override {
        HeadlessDialogs::ShowDetails(info);
        overlapWhileOpen = state->HandOverlap;
        for (const CardRecord& card : state->OpponentHand) facesWhileOpen.push_back(card.faceUp);
    }
    const GameState* state = nullptr;
    int overlapWhileOpen = 0;
    std::vector<int> facesWhileOpen;
};

TEST(ScoringDetails, TheOpponentsHandShowsWhileTheDetailsAreOpen) {
    HeadlessTable view;
    DetailsWatcher dialogs;
    HeadlessSounds sounds;
    HeadlessPeer peer;
    MemorySettings settings;
    HeadlessStatistics statistics;
    FixedClock clock;
    Random random;
    Table table(Seams{view, dialogs, sounds, peer, settings, statistics, clock}, random);
    dialogs.state = &table.state;
    dialogs.wantDetails = true;
    for (uint8_t cardId : {5, 20}) PushCard(table.state.OpponentHand, MakeCard(cardId, 0));

    ScoreHand(table);
    EXPECT_EQ(dialogs.facesWhileOpen, (std::vector<int>{1, 1}));
    EXPECT_EQ(dialogs.overlapWhileOpen, 12);
    EXPECT_EQ(table.state.OpponentHand.cards[0].faceUp, 0);
    EXPECT_EQ(table.state.OpponentHand.cards[1].faceUp, 0);
    EXPECT_EQ(table.state.HandOverlap, 10);
    EXPECT_EQ(table.state.OpponentFaceUp, 0);

    // Cards the player already shows stay as they are.
    table.state.OpponentFaceUp = 1;
    table.state.OpponentHand.cards[0].faceUp = 1;
    table.state.OpponentHand.cards[1].faceUp = 1;
    dialogs.facesWhileOpen.clear();
    ScoreHand(table);
    EXPECT_EQ(dialogs.facesWhileOpen, (std::vector<int>{1, 1}));
    EXPECT_EQ(dialogs.overlapWhileOpen, 10);
}

TEST(MinimumForScore, RisesWithTheMatchTotal) {
    EXPECT_EQ(MinimumForScore(-5), 15);
    EXPECT_EQ(MinimumForScore(0), 50);
    EXPECT_EQ(MinimumForScore(1499), 50);
    EXPECT_EQ(MinimumForScore(1500), 90);
    EXPECT_EQ(MinimumForScore(2999), 90);
    EXPECT_EQ(MinimumForScore(3000), 120);
}

}  // namespace
}  // namespace tavolex
