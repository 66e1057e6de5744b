// Scoring a finished hand: both sides' results, the match totals, the sounds and the dialogs.
#include "game/scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;

// Fields in their order: meldCount, meldPoints, handCount, handPoints, canastaCount,
// canastaBonus, redThreeCount, redThreePoints, spare, finishBonus, spare, total.
using Values = std::array<int32_t, 12>;

const std::string kKingsCanasta = "spadeh clubh diamondh hearth spadeh clubh diamondh";
const std::string kFourRedThrees = "heart3 diamond3 heart3 diamond3 | spade5 club5 diamond5";
// The natural canasta, five queens and two red threes: 120 points of cards.
const std::string kWentOutWith =
    "heart3 diamond3 | " + kKingsCanasta + " | spadev clubv diamondv heartv spadev";

// A side that did not go out; any other number is what the side had melded before going out.
constexpr int kStayed = -1;
const char* const kRedThrees = "heart3 diamond3";
const char* const kNines = "spade9 club9 diamond9 heart9 spade9 club9";

TEST(Scoring, EachSideScoresItsMeldsHandCanastasRedThreesAndFinish) {
    struct Hand {
        const char* why;
        const char* hand;
        std::string melds;
        int out;
        int canastasRequired;  // with CanastaRequired on; 0: off
    };
    const struct {
        Hand hand;
        Values player;
    } cases[] = {
        {{"out", "", kWentOutWith, 90, 0}, {12, 120, 0, 0, 1, 500, 2, 200, 0, 100, 0, 920}},
        {{"concealed", "", kWentOutWith, 0, 0}, {12, 120, 0, 0, 1, 500, 2, 200, 0, 200, 0, 1020}},
        {{"out on red threes", "", kRedThrees, 0, 0}, {0, 0, 0, 0, 0, 0, 2, 200, 0, 200, 0, 400}},
        {{"all red threes", "", kFourRedThrees, kStayed, 0},
         {3, 15, 0, 0, 0, 0, 4, 800, 0, 0, 0, 815}},
        {{"only red threes", "spadeh heart5", kRedThrees, kStayed, 0},
         {0, 0, 2, -15, 0, 0, 2, -200, 0, 0, 0, -215}},
        {{"red three in hand", "heart3 spade5", "club7 diamond7 heart7", kStayed, 0},
         {3, 15, 1, -5, 0, 0, 1, -500, 0, 0, 0, -490}},
        {{"wild canasta", "", "joker joker joker club2 spade2 heart2 diamond2", kStayed, 0},
         {7, 230, 0, 0, 1, 1000, 0, 0, 0, 0, 0, 1230}},
        {{"one wild card: mixed", "", std::string(kNines) + " joker", kStayed, 0},
         {7, 110, 0, 0, 1, 300, 0, 0, 0, 0, 0, 410}},
        {{"canasta missing", "", kFourRedThrees, kStayed, 1},
         {3, -15, 0, 0, 0, 0, 4, -800, 0, 0, 0, -815}},
        {{"second canasta missing", "spade5", kKingsCanasta + " | heart3", kStayed, 2},
         {7, -70, 1, -5, 0, 0, 1, -100, 0, 0, 0, -175}},
    };
    for (const auto& [hand, player] : cases) {
        SCOPED_TRACE(hand.why);
        HeadlessGame game;
        game.table.rules().CanastaRequired = hand.canastasRequired > 0;
        if (hand.canastasRequired > 0) game.table.rules().NumberOfCanastas = hand.canastasRequired;
        BuildPosition(game, {.playerHand = hand.hand, .playerMelds = hand.melds});
        game.state().WentOut = hand.out == kStayed ? kNobodyWentOut : kPlayerWentOut;
        game.state().PlayerMeldedBefore = std::max(hand.out, 0);
        EXPECT_EQ(ScoreHand(game.table).player.Values(), player);
    }
}

TEST(Scoring, TheOpponentScoresItsOwnSideTheTotalsAddUpAndTheDetailsNameBothSides) {
    HeadlessGame game;
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

    // Equal totals win the hand.
    BuildPosition(game, {});
    ScoreHand(game.table);
    EXPECT_EQ(game.sounds.events.back(), kSoundWinHand);

    // The details, when wanted, name both sides.
    game.dialogs.wantDetails = true;
    game.statistics.playerName = "Ines";
    BuildPosition(game, {.playerMelds = "spade5 club5 diamond5", .opponentHand = "heart9"});
    ScoreHand(game.table);
    ASSERT_EQ(game.dialogs.details.size(), 1u);
    const DetailsInfo details = game.dialogs.details[0];
    EXPECT_EQ(details.playerName + " " + details.opponentName, "Ines Computer");
    EXPECT_EQ(details.player.total, 15);
    EXPECT_EQ(details.opponent.total, -10);

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
        facesWhileOpen = Faces(*state);
    }
    static std::vector<int> Faces(const GameState& state) {
        std::vector<int> faces;
        for (const CardRecord& card : state.OpponentHand) faces.push_back(card.faceUp);
        return faces;
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
    EXPECT_EQ(DetailsWatcher::Faces(table.state), (std::vector<int>{0, 0}));
    EXPECT_EQ(table.state.HandOverlap, 10);
    EXPECT_EQ(table.state.OpponentFaceUp, 0);

    // Cards the player already shows stay as they are.
    table.state.OpponentFaceUp = 1;
    for (int i = 0; i < 2; ++i) table.state.OpponentHand.cards[i].faceUp = 1;
    ScoreHand(table);
    EXPECT_EQ(dialogs.facesWhileOpen, (std::vector<int>{1, 1}));
    EXPECT_EQ(dialogs.overlapWhileOpen, 10);
}

TEST(MinimumForScore, RisesWithTheMatchTotal) {
    const int expected[][2] = {{-5, 15}, {0, 50}, {1499, 50}, {1500, 90}, {2999, 90}, {3000, 120}};
    for (const auto& [score, minimum] : expected) EXPECT_EQ(MinimumForScore(score), minimum);
}

}  // namespace
}  // namespace tavolex
