// Seeded random play of the player's side, legal and illegal, with the table checked after every
// action; and that the checks do catch a broken table.
#include <gtest/gtest.h>

#include "app/cli/random_actions.h"
#include "computer/computer_turn.h"
#include "game/rule_options.h"
#include "game/table_invariants.h"
#include "position.h"
#include "scripted_opponent.h"

namespace tavolex::cli {
namespace {

RandomRunReport PlayWithScriptedOpponent(uint32_t seed, const RuleOptions& rules,
                                         OpponentPlayer& opponent) {
    HeadlessGame game(seed);
    game.table.state.Rules = rules;
    game.table.opponent = &opponent;
    return PlayRandomHands(game, 2);
}

TEST(RandomPlay, EveryCheckHoldsUnderTheDefaultAndTheStandardRules) {
    RuleOptions standard = HoyleRules();
    standard.ThreeBlock = 1;
    for (const RuleOptions& rules : {RuleOptions{}, standard}) {
        for (uint32_t seed = 1; seed <= 6; ++seed) {
            test::ScriptedOpponent opponent;
            const RandomRunReport report = PlayWithScriptedOpponent(seed, rules, opponent);
            ASSERT_FALSE(report.violation) << "seed " << seed << ": " << *report.violation;
            EXPECT_EQ(report.hands, 2);
            EXPECT_GT(opponent.turnsPlayed, 0);
        }
    }
}

// Hundreds of hands against the computer: what the seams record is emptied after every action,
// so a run of any length holds no more than one action's records.
TEST(RandomPlay, TheSeamsRecordsStayBoundedHoweverLongTheRun) {
    HeadlessGame game(7);
    ComputerOpponent computer;
    game.table.opponent = &computer;
    game.table.ComputerLevel = kAdvanced;
    game.table.MeldDelay = 0;
    int hands = 0;
    const RandomRunReport report =
        PlayRandomHands(game, 300, [&](const RandomRunReport& run) { hands = run.hands; });
    ASSERT_FALSE(report.violation) << *report.violation;
    EXPECT_EQ(hands, 300);
    EXPECT_GT(report.actions, 300 * 20);
    EXPECT_LT(report.mostRecords, 500u);
}

// An opponent that loses a card of its hand on every turn.
class CardLosingOpponent : public test::ScriptedOpponent {
  public:
    void PlayTurn(Table& table) override {
        ScriptedOpponent::PlayTurn(table);
        --table.state.OpponentHand.count;
    }
};

TEST(RandomPlay, ALostCardIsReportedWithTheActionsThatLedThere) {
    CardLosingOpponent opponent;
    const RandomRunReport report = PlayWithScriptedOpponent(1, RuleOptions{}, opponent);
    ASSERT_TRUE(report.violation);
    EXPECT_EQ(*report.violation, "the live piles hold 107 cards");
    ASSERT_FALSE(report.handActions.empty());
    // The turn passed with the last action: a discard, or a pass with the last card.
    EXPECT_EQ(opponent.turnsPlayed, 1);
}

TEST(TableInvariants, AMisplacedCardOrTallyIsFoundAndARefusalChangesNothingButItsError) {
    HeadlessGame game;
    test::BuildPosition(game,
                        {.playerHand = "heart4 spade6", .playerMelds = "spade9 club9 heart9"});
    EXPECT_EQ(CheckTableInvariants(game.table), "");
    game.state().PlayerMelds.cards[0].x += game.table.layout.ColumnPitch;
    EXPECT_EQ(CheckTableInvariants(game.table), "spade9 lies in meld column 9");
    game.state().PlayerMelds.cards[0].x -= game.table.layout.ColumnPitch;
    game.state().PlayerTally.CanastaKind[8] = kNaturalCanasta;
    game.state().PlayerTally.canastaCount = 1;
    EXPECT_EQ(CheckTableInvariants(game.table), "the player's canasta in column 8 holds 3 cards");

    // A refusal may show its error but change nothing else.
    const GameState before = game.state();
    GameState after = before;
    after.ErrorCode = 4;
    after.RejectReason = "why";
    after.GameInProgress = 1;
    after.PlayerHandCount.fill(0);
    EXPECT_TRUE(UnchangedByRefusal(before, after, game.table.layout));
    after.PileFrozen = !before.PileFrozen;
    EXPECT_FALSE(UnchangedByRefusal(before, after, game.table.layout));
}

}  // namespace
}  // namespace tavolex::cli
