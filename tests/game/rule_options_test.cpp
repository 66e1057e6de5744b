#include "game/rule_options.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "game/table.h"
#include "position.h"

namespace tavolex {
namespace {

TEST(RuleOptions, StoredValuesReadBackWhateverTheirCaseAndUnreadableOnesFallBack) {
    MemorySettings store;
    EXPECT_EQ(LoadRuleOptions(store), RuleOptions{});  // a fresh installation
    WriteRuleOptions(store, HoyleRules());
    EXPECT_TRUE(store.ValueExists("Settings\\Canasta Required"));
    EXPECT_EQ(LoadRuleOptions(store), HoyleRules());

    MemorySettings odd;
    odd.WriteValue("settings\\number of cards", std::string("two"));
    odd.WriteValue("Settings\\Natural Pair", std::string("0"));
    const RuleOptions rules = LoadRuleOptions(odd);
    EXPECT_EQ(rules.NumberOfCards, 1);
    EXPECT_FALSE(rules.NaturalPair);
}

// The initial freeze lasts for each side until that side has melded.
TEST(RuleOptions, PileFrozenForEachSideSeparately) {
    HeadlessGame game;
    test::Position position = {
        .playerHand = "heart5 club9", .discardPile = "spade9", .playerHasDrawn = false};
    test::BuildPosition(game, position);
    EXPECT_TRUE(game.table.PileFrozenFor());
    game.table.rules().InitialBlockForBoth = 0;
    EXPECT_FALSE(game.table.PileFrozenFor());
    game.table.rules().InitialBlockForBoth = 1;

    position.playerMelds = "spadeh clubh hearth";
    test::BuildPosition(game, position);
    EXPECT_FALSE(game.table.PileFrozenFor());
    game.state().PlayerLocked = 1;  // the opponent's turn: it has not melded
    EXPECT_TRUE(game.table.PileFrozenFor());
    game.state().PileFrozen = 1;
    game.state().PlayerLocked = 0;
    EXPECT_TRUE(game.table.PileFrozenFor());
}

}  // namespace
}  // namespace tavolex
