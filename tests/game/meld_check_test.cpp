// The meld check every discard must pass.
#include <gtest/gtest.h>

#include "game/melds.h"
#include "game/pile_take.h"
#include "position.h"

namespace tavolex {
namespace {

// An empty reason: the melds pass. Otherwise the first fault found names its reason.
TEST(MeldCheck, PassesWhatTheRulesAllowAndNamesTheFirstFault) {
    const struct {
        const char* hand;
        const char* melds;
        std::string reason;
        bool bonusCounts = false;
    } cases[] = {
        {"heart4", "spade8 diamond8 | spadea cluba hearta", kRejectTooFewCards},
        {"heart4", "spadeh clubh diamondh | spade5 club5 heart5",
         "your first meld must be at least 50 points (currently 45 points)"},
        {"", "spadeh clubh diamondh | spade5 club5 heart5", ""},  // out concealed
        {"heart4", "spade4 spade4 club4 club4 diamond4 diamond4 heart4", "", true},
        {"heart4", "spadeh clubh hearth joker joker diamond2 spade2", kRejectTooManyWildcards},
        {"heart4", "spadeh clubh hearth diamondh joker joker spade2", ""},
        {"heart4", "spadea cluba hearta | spade3 club3 spade3", kRejectBlackThrees},
        {"", "spadea cluba hearta | spade3 club3", kRejectBlackThrees},
        {"", "spadea cluba hearta | spade3 club3 spade3", ""},
        {"heart4", "spadea cluba hearta | joker joker spade2 club2 diamond2 heart2",
         kRejectWildCanasta},
        {"heart4", "spadea cluba hearta | joker joker spade2 club2 diamond2 heart2 joker", ""},
        {"heart4", "spade8 diamond8 | spadeh clubh joker joker joker", kRejectTooFewCards},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.melds);
        HeadlessGame game;
        game.table.rules().BonusCounts = c.bonusCounts;
        test::BuildPosition(game, {.playerHand = c.hand, .playerMelds = c.melds});
        EXPECT_EQ(MeldsValid(game.table), c.reason.empty());
        EXPECT_EQ(game.state().RejectReason, c.reason);
    }
}

TEST(MeldCheck, APendingTopCardRefusesTheDiscard) {
    HeadlessGame game;
    test::BuildPosition(game, {.playerHand = "heart4", .playerMelds = "spadea cluba hearta"});
    game.state().TopCardPending = 1;
    EXPECT_FALSE(MeldsValidForDiscard(game.table));
    EXPECT_EQ(game.state().RejectReason, kRejectTopCard);
    EXPECT_EQ(RejectGoingOut(2), "you need at least two Canastas to go out");
}

// Melding the last card while a take is pending is no going out: the pile's cards still come
// into the hand, so black threes laid "as the last cards" must keep the take from completing
// while the melds can still be undone.
TEST(MeldCheck, DuringAPendingTakeTheHandIsNotEmptyWhileThePileIsStillToCome) {
    HeadlessGame game;
    test::BuildPosition(game, {.playerHand = "heart5 club5 spade3 club3 spade3",
                               .playerMelds = "spadeh clubh hearth diamondh joker heart2 diamond2",
                               .discardPile = "club9 diamond5",
                               .playerHasDrawn = false});
    TakePile(game.table);
    ASSERT_TRUE(game.state().PileTakeUndoable);
    MeldRank(game.table, test::IndexOf(game.state().PlayerHand, "spade3"), false);
    MeldRank(game.table, test::IndexOf(game.state().PlayerHand, "heart5"), false);
    ASSERT_TRUE(game.state().PlayerHand.Empty());
    EXPECT_TRUE(game.state().PileTakeUndoable);
    EXPECT_FALSE(game.table.undo.Empty());
    EXPECT_EQ(game.state().DiscardPile.count, 1);
}

}  // namespace
}  // namespace tavolex
