#include "game/rule_options.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "game/table.h"
#include "position.h"

namespace tavolex {
namespace {

TEST(RuleOptions, AFreshInstallationPlaysTheDefaults) {
    MemorySettings store;
    const RuleOptions rules = LoadRuleOptions(store);
    EXPECT_EQ(rules.NumberOfCanastas, 1);
    EXPECT_EQ(rules.NumberOfCards, 1);
    EXPECT_TRUE(rules.AddToCanasta);
    EXPECT_TRUE(rules.TopCardCounts);
    EXPECT_TRUE(rules.InitialBlock);
    EXPECT_TRUE(rules.InitialBlockForBoth);
    EXPECT_TRUE(rules.NaturalPair);
    EXPECT_TRUE(rules.DrawExtra);
    EXPECT_TRUE(rules.WildcardCanasta);
    EXPECT_FALSE(rules.CanastaRequired);
    EXPECT_FALSE(rules.ThreeBlock);
}

TEST(RuleOptions, WrittenValuesReadBackWhateverTheirCase) {
    MemorySettings store;
    WriteRuleOptions(store, HoyleRules());
    EXPECT_TRUE(store.ValueExists("Settings\\Canasta Required"));
    EXPECT_EQ(LoadRuleOptions(store), HoyleRules());
    EXPECT_EQ(HoyleRules().NumberOfCanastas, 2);
    EXPECT_FALSE(HoyleRules().WildcardCanasta);
}

TEST(RuleOptions, UnreadableNumbersFallBackToTheDefault) {
    MemorySettings store;
    store.WriteValue("settings\\number of cards", std::string("two"));
    store.WriteValue("Settings\\Natural Pair", std::string("0"));
    const RuleOptions rules = LoadRuleOptions(store);
    EXPECT_EQ(rules.NumberOfCards, 1);
    EXPECT_FALSE(rules.NaturalPair);
}

// The initial freeze lasts for each side until that side has melded.
TEST(RuleOptions, PileFrozenForEachSideSeparately) {
    HeadlessGame game;
    test::BuildPosition(game, {.playerHand = "heart5 club9", .playerMelds = "",
                               .discardPile = "spade9", .playerHasDrawn = false});
    EXPECT_TRUE(game.table.PileFrozenFor());
    game.table.rules().InitialBlockForBoth = 0;
    EXPECT_FALSE(game.table.PileFrozenFor());
    game.table.rules().InitialBlockForBoth = 1;

    test::BuildPosition(game, {.playerHand = "heart5 club9", .playerMelds = "spadeh clubh hearth",
                               .discardPile = "spade9", .playerHasDrawn = false});
    EXPECT_FALSE(game.table.PileFrozenFor());
    game.state().PlayerLocked = 1;  // the opponent's turn: it has not melded
    EXPECT_TRUE(game.table.PileFrozenFor());
    game.state().PileFrozen = 1;
    game.state().PlayerLocked = 0;
    EXPECT_TRUE(game.table.PileFrozenFor());
}

}  // namespace
}  // namespace tavolex
