// Where the window opens and in which layout, what the command line asks for, the pace of a
// card's move, a layout change in the middle of a hand, and the Rules dialog's decisions.
#include <gtest/gtest.h>

#include "game/peer_codes.h"
#include "position.h"
#include "table/card_move.h"
#include "table/command_line.h"
#include "table/rules_change.h"
#include "table/screen_layout.h"
#include "table/turn.h"
#include "table/window_placement.h"
#include "table_records.h"

namespace tavolex {
namespace {

using test::BuildPosition;

std::string Placed(const WindowPlacement& placement) {
    return std::to_string(placement.left) + "," + std::to_string(placement.top) + " layout " +
           std::to_string(placement.resolution) + (placement.maximised ? " maximised" : "");
}

// A position off the screen becomes 0 and a layout too wide becomes the largest that fits; a
// screen exactly as wide as the layout opens it maximised.
TEST(WindowPlacement, OffScreenPositionAndTooWideLayoutAreMended) {
    EXPECT_EQ(Placed(PlaceWindow(-5, 30, 3, 1024, 768)), "0,30 layout 2 maximised");
    EXPECT_EQ(Placed(PlaceWindow(12, 900, 1, 1280, 800)), "12,0 layout 1");
    EXPECT_EQ(PlaceWindow(1281, 5, 9, 1280, 1024).left, 0);
    EXPECT_EQ(LargestLayout(1279), 2);
    EXPECT_EQ(LargestLayout(1280), 3);
    EXPECT_EQ(LargestLayout(800), 1);
    EXPECT_EQ(LargestLayout(799), 0);
}

TEST(CommandLine, FirstArgumentDecidesWhatOpens) {
    const std::string autosave = "/p/autosave.tvx";
    EXPECT_EQ(EvaluateCommandLine({}, true, autosave).loadFileName, autosave);
    EXPECT_FALSE(EvaluateCommandLine({}, false, autosave).loadFileName);
    // A file argument wins over the autosave file; only the first argument counts.
    EXPECT_EQ(EvaluateCommandLine({"game.tvx", "other.tvx"}, true, autosave).loadFileName,
              "game.tvx");
    for (const char* argument : {"/setup", "GAME.TVX"})
        EXPECT_FALSE(EvaluateCommandLine({argument}, true, autosave).loadFileName) << argument;
    const StartupCommand lobby = EvaluateCommandLine({"/ip:1.2.3.4"}, true, autosave);
    EXPECT_TRUE(lobby.openLobby);
    EXPECT_FALSE(lobby.loadFileName);
}

// A hand in progress with every pile in use (a pending pile take, known cards, a squared
// canasta, red threes on both sides) changes layout: every card keeps its column and its place
// in it, and going through every layout and back restores the table.
TEST(ScreenLayout, SwitchingSizesKeepsEveryCardInItsColumnAndPlace) {
    HeadlessGame game(1, 1);
    BuildPosition(game, {.playerHand = "club9 diamond9 spade4 joker",
                         .playerMelds = "heart3 | spadea cluba diamonda joker | spadeh clubh "
                                        "diamondh hearth spadeh clubh diamondh",
                         .opponentHand = "heart5 heart6",
                         .opponentMelds = "diamond3 | spade8 club8 heart8",
                         .discardPile = "club5 club6",
                         .stock = "club4",
                         .playerHasDrawn = false});
    GameState& state = game.state();
    PushCard(state.KnownPlayerCards, state.PlayerHand.cards[0]);
    state.PileTakeUndoable = 1;
    state.TakenTopCard = state.PlayerMelds.cards[3];
    SavePlayerTurn(state);
    game.table.LastAppliedResolution = 1;
    const GameState was = game.state();
    const TableLayout from = game.table.layout;
    ApplyScreenLayout(game.table, 1, DefaultClientWidth(1));
    EXPECT_EQ(game.view.repaints, 0);  // already in force

    ApplyScreenLayout(game.table, 2, DefaultClientWidth(2));
    const TableLayout to = game.table.layout;
    const GameState now = game.state();
    for (int i = 0; i < now.PlayerMelds.count; ++i) {
        const CardRecord &card = now.PlayerMelds.cards[i], &old = was.PlayerMelds.cards[i];
        EXPECT_EQ(card.x, to.ColumnLeft(from.ColumnOf(old.x))) << i;
        EXPECT_EQ(card.y - to.OwnMeldTop, old.y - from.OwnMeldTop) << i;
    }
    // The saved copies moved alike, so an undo after the change lands in the new layout.
    EXPECT_EQ(now.PlayerMeldsSaved, now.PlayerMelds);
    EXPECT_EQ(now.KnownPlayerCards.cards[0], now.PlayerHand.cards[0]);
    EXPECT_EQ(now.TakenTopCard, now.PlayerMelds.cards[3]);
    EXPECT_EQ(now.Stock.Top().y, to.StockTop);
    EXPECT_EQ(now.DiscardPile.Top().y, to.DiscardTop);

    for (int resolution : {0, 3, 1})
        ApplyScreenLayout(game.table, resolution, DefaultClientWidth(resolution));
    EXPECT_EQ(game.state(), was);
}

// The help's links to the red threes and the discard pile open the Rules dialog there.
TEST(RulesPageForHelpCommand, RedThreesAndDiscardPile) {
    EXPECT_EQ(RulesPageForHelpCommand(2), kRulesRedThreesPage);
    EXPECT_EQ(RulesPageForHelpCommand(4), kRulesDiscardPilePage);
}

// The new rules are written, taken into the game and sent to the peer. Switching the initial
// freeze refreezes or thaws the pile, unless a wild card in it keeps it frozen; an unchanged
// one leaves the pile alone.
TEST(ApplyRuleOptions, SwitchingTheInitialFreezeRefreezesOrThawsThePile) {
    const struct {
        const char* pile;
        bool frozen;
        int initialBlock;
        bool frozenAfter;
    } cases[] = {
        {"heart5 club9", true, 0, false},
        {"heart5 club9", false, 1, true},
        {"heart5 joker club9", true, 0, true},
        {"heart5", false, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pile + std::to_string(c.initialBlock));
        HeadlessGame game;
        game.table.NetworkActive = true;
        if (c.initialBlock >= 0) game.table.rules().InitialBlock = 1 - c.initialBlock;
        BuildPosition(game, {.discardPile = c.pile, .pileFrozen = c.frozen});
        RuleOptions rules = game.table.rules();
        if (c.initialBlock >= 0) rules.InitialBlock = c.initialBlock;
        rules.NumberOfCards = 2;
        ApplyRuleOptions(game.table, rules);
        EXPECT_EQ(game.state().PileFrozen, c.frozenAfter);
        EXPECT_EQ(game.table.rules().NumberOfCards, 2);
        for (const char* name : kRuleValueNames) EXPECT_TRUE(game.settings.ValueExists(name));
        EXPECT_TRUE(game.settings.ValueExists(kCanastaRequiredWriteName));
        EXPECT_EQ(test::Sent(game.peer, true), "RULES:" + RulesString(rules));
        if (c.initialBlock >= 0) {
            EXPECT_GT(game.view.repaints, 0);
        }
    }
}

}  // namespace
}  // namespace tavolex
