// The Rules dialog's decisions: the lock, the dependent boxes, and what its OK does to the table.
#include "table/rules_change.h"

#include <gtest/gtest.h>

#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;

TEST(RulesControls, LockedDuringAMatchAndDependentBoxesFollowTheirParent) {
    const RulesControlStates locked = RulesControls(true, true, true);
    EXPECT_FALSE(locked.optionsEnabled);
    EXPECT_TRUE(locked.warningVisible);
    EXPECT_FALSE(locked.initBlockEnabled);
    EXPECT_FALSE(locked.addExistingEnabled);

    const RulesControlStates open = RulesControls(false, false, true);
    EXPECT_TRUE(open.optionsEnabled);
    EXPECT_FALSE(open.warningVisible);
    EXPECT_FALSE(open.initBlockEnabled);
    EXPECT_TRUE(open.addExistingEnabled);
    EXPECT_FALSE(RulesControls(false, true, false).addExistingEnabled);
}

TEST(RulesControls, CanastaCaptionAndOddStoredCounts) {
    EXPECT_EQ(CanastaRequiredCaption(1), "At least one Canasta required for positive score");
    EXPECT_EQ(CanastaRequiredCaption(2), "At least two Canastas required for positive score");
    EXPECT_EQ(CountItem(0), 0);
    EXPECT_EQ(CountItem(1), 0);
    EXPECT_EQ(CountItem(7), 1);
}

TEST(ApplyRuleOptions, WritesAllThirteenValuesAndTakesThemIntoTheGame) {
    HeadlessGame game;
    ApplyRuleOptions(game.table, HoyleRules());
    EXPECT_EQ(game.table.rules(), HoyleRules());
    EXPECT_EQ(LoadRuleOptions(game.settings), HoyleRules());
    EXPECT_TRUE(game.settings.ValueExists(kCanastaRequiredWriteName));
    for (const char* name : kRuleValueNames) EXPECT_TRUE(game.settings.ValueExists(name)) << name;
}

TEST(ApplyRuleOptions, SwitchingTheInitialFreezeRefreezesOrThawsThePile) {
    HeadlessGame game;
    BuildPosition(game, {.discardPile = "heart5 club9", .pileFrozen = true});
    RuleOptions off = game.table.rules();
    off.InitialBlock = 0;
    const int repaintsBefore = game.view.repaints;
    ApplyRuleOptions(game.table, off);
    EXPECT_EQ(game.state().PileFrozen, 0);
    EXPECT_GT(game.view.repaints, repaintsBefore);

    RuleOptions on = off;
    on.InitialBlock = 1;
    ApplyRuleOptions(game.table, on);
    EXPECT_EQ(game.state().PileFrozen, 1);
}

TEST(ApplyRuleOptions, AWildCardInThePileKeepsItFrozenWhenTheInitialFreezeGoesOff) {
    HeadlessGame game;
    BuildPosition(game, {.discardPile = "heart5 joker club9", .pileFrozen = true});
    RuleOptions off = game.table.rules();
    off.InitialBlock = 0;
    ApplyRuleOptions(game.table, off);
    EXPECT_EQ(game.state().PileFrozen, 1);
}

TEST(ApplyRuleOptions, AnUnchangedInitialFreezeLeavesThePileAlone) {
    HeadlessGame game;
    BuildPosition(game, {.discardPile = "heart5", .pileFrozen = false});
    RuleOptions rules = game.table.rules();
    rules.NumberOfCards = 2;
    ApplyRuleOptions(game.table, rules);
    EXPECT_EQ(game.state().PileFrozen, 0);
    EXPECT_EQ(game.table.rules().NumberOfCards, 2);
}

TEST(RulesPageForHelpCommand, OpensTheRulesPagesTheHelpNames) {
    EXPECT_EQ(RulesPageForHelpCommand(2), kRulesRedThreesPage);
    EXPECT_EQ(RulesPageForHelpCommand(3), kRulesCanastasPage);
    EXPECT_EQ(RulesPageForHelpCommand(4), kRulesDiscardPilePage);
    EXPECT_EQ(RulesPageForHelpCommand(0), -1);
    EXPECT_EQ(RulesPageForHelpCommand(9), -1);
}

}  // namespace
}  // namespace tavolex
