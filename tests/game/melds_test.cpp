// The player's melding actions: single cards, whole ranks, wild cards and the wild-card canasta.
#include "game/melds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/peer_link.h"
#include "game/status_texts.h"
#include "position.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;
using test::Names;

constexpr int kEightColumn = 7;
constexpr int kKingColumn = 12;

TEST(MeldCard, TheCardJoinsItsColumnAndIsRecordedForUndo) {
    HeadlessGame game;
    game.table.NetworkActive = true;
    BuildPosition(game,
                  {.playerHand = "heart4 heart8 heart6", .playerMelds = "spade8 club8 diamond8"});
    GameState& state = game.state();
    const CardRecord eight = state.PlayerHand.cards[IndexOf(state.PlayerHand, "heart8")];
    PushCard(state.KnownPlayerCards, eight);

    MeldCard(game.table, IndexOf(state.PlayerHand, "heart8"));

    EXPECT_EQ(Names(state.PlayerMelds), "spade8 club8 diamond8 heart8");
    EXPECT_EQ(state.PlayerMelds.Top().y, game.table.layout.OwnMeldTop + 4 * kCardStep);
    EXPECT_TRUE(state.KnownPlayerCards.Empty());
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenMeld);
    EXPECT_EQ(game.peer.sent[0].parameters, std::to_string(eight.cardId));
    EXPECT_EQ(game.table.undo.Size(), 1u);
    EXPECT_TRUE(game.view.undoEnabled);
}

TEST(MeldRank, AMeldOfTwoGetsAJokerOrElseADeuceWhileACardIsLeftToDiscard) {
    const struct {
        const char* hand;
        const char* melds;
        const char* handAfter;
    } cases[] = {
        {"spade8 club8 spade2 joker heart4", "spade8 club8 joker", "spade2 heart4"},
        {"spade8 club8 spade2 heart4", "spade8 club8 spade2", "heart4"},
        {"spade8 club8 joker", "spade8 club8", "joker"},
        {"spade8 club8 diamond8", "spade8 club8", "diamond8"},
    };
    for (const auto& c : cases) {
        HeadlessGame game;
        game.table.NetworkActive = true;
        BuildPosition(game, {.playerHand = c.hand});
        MeldRank(game.table, IndexOf(game.state().PlayerHand, "spade8"), false);
        EXPECT_EQ(Names(game.state().PlayerMelds), c.melds) << c.hand;
        EXPECT_EQ(Names(game.state().PlayerHand), c.handAfter) << c.hand;
        // The peer hears of the wild card last, with the column it went to.
        if (std::string(c.melds).ends_with("joker")) {
            EXPECT_EQ(game.peer.sent.back().parameters,
                      std::to_string(kJokerId) + kFieldSeparator + std::to_string(kEightColumn));
        }
    }
}

// An empty hand that cannot go out could never discard again: the last card, natural or wild,
// stays in hand unless melding it completes the canasta needed to go out.
TEST(LastCard, StaysInHandUnlessItCompletesTheCanastaToGoOut) {
    const struct {
        const char* hand;
        const char* melds;
        bool goesOut;
    } cases[] = {
        {"heart9", "spade9 club9 joker", false},
        {"heart9", "spade9 club9 diamond9 joker diamond2 heart2", true},
        {"joker", "spadeh clubh hearth", false},
        {"joker", "spadeh clubh hearth diamondh spadeh clubh", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.melds);
        HeadlessGame game;
        BuildPosition(game,
                      {.playerHand = c.hand, .playerMelds = c.melds, .discardPile = "spade5"});
        const GameState before = game.state();
        if (std::string(c.hand) == "joker") {
            WildOntoMeld(game.table, kKingColumn, false);
        } else {
            MeldCard(game.table, 0);
        }
        // Going out, the hand was scored.
        EXPECT_EQ(game.dialogs.scorings.size(), c.goesOut ? 1u : 0u);
        EXPECT_TRUE(c.goesOut || game.state() == before);
    }
}

TEST(WildCards, ShiftCompletesACanastaAndEachWildCanastaModeLaysItsShare) {
    HeadlessGame game;
    BuildPosition(game, {.playerHand = "joker spade2 joker heart4 heart6",
                         .playerMelds = "spadeh clubh hearth diamondh spadeh"});
    WildOntoMeld(game.table, kKingColumn, true);
    EXPECT_EQ(game.state().PlayerTally.CanastaKind[kKingColumn], kMixedCanasta);
    EXPECT_EQ(Names(game.state().PlayerHand), "spade2 heart4 heart6");

    BuildPosition(game, {.playerHand = "joker joker joker spade2 club2 diamond2 heart2 heart4",
                         .playerMelds = "spadea cluba hearta"});
    const auto wildColumn = [&] {
        return CountInColumn(game.state().PlayerMelds, game.table.layout, kRankDeuce);
    };
    ExtendWildCanasta(game.table, WildCanastaMode::UpToThree);
    EXPECT_EQ(wildColumn(), 3);
    ExtendWildCanasta(game.table, WildCanastaMode::One);
    EXPECT_EQ(wildColumn(), 4);
    ExtendWildCanasta(game.table, WildCanastaMode::UpToSeven);
    EXPECT_EQ(game.state().PlayerTally.CanastaKind[kRankDeuce], kWildCanasta);
    EXPECT_EQ(Names(game.state().PlayerHand), "heart4");
}

TEST(Melding, ARefusedActionShowsItsErrorAndChangesNothingElse) {
    const test::Position notDrawn = {.playerHand = "spade8 club8 joker joker",
                                     .playerMelds = "spadeh clubh hearth diamondh",
                                     .playerHasDrawn = false};
    const test::Position fewWilds = {.playerHand = "joker joker spade2 heart4",
                                     .playerMelds = "spadea cluba hearta"};
    const struct {
        test::Position position;
        bool wildCanastas;
        std::function<void(Table&)> act;
        int error;
    } cases[] = {
        {notDrawn, true, [](Table& t) { MeldCard(t, 0); }, kErrorMeldBeforeDraw},
        {notDrawn, true, [](Table& t) { MeldRank(t, 0, false); }, kErrorMeldBeforeDraw},
        {notDrawn, true, [](Table& t) { WildOntoMeld(t, kKingColumn, true); },
         kErrorMeldBeforeDraw},
        {{.playerHand = "spade3 heart4"},
         true,
         [](Table& t) { MeldCard(t, 0); },
         kErrorBlackThrees},
        {fewWilds, true, [](Table& t) { ExtendWildCanasta(t, WildCanastaMode::One); },
         kErrorSevenWildcards},
        {fewWilds, false, [](Table& t) { ExtendWildCanasta(t, WildCanastaMode::One); },
         kErrorNoWildCanasta},
    };
    for (const auto& c : cases) {
        HeadlessGame game;
        game.table.rules().WildcardCanasta = c.wildCanastas;
        BuildPosition(game, c.position);
        c.act(game.table);
        EXPECT_EQ(game.view.status, kErrorTexts[c.error]);
        EXPECT_TRUE(game.table.undo.Empty());
    }
}

}  // namespace
}  // namespace tavolex
