// Taking the discard pile: when it may be taken, the two stages of a take, its undo, the forced
// rule once the stock is empty, and the discards that freeze the pile.
#include "game/pile_take.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/melds.h"
#include "game/rule_options.h"
#include "game/status_texts.h"
#include "position.h"

namespace tavolex {
namespace {

using test::Names;
using test::Position;

const char* const kKings = "spadeh clubh diamondh";  // an initial meld of 30 points
constexpr bool kFrozen = true;

// The player is to draw: hand, melds and discard pile (bottom first).
Position ToDraw(const char* hand, const char* melds, const std::string& pile, bool frozen = false) {
    return {.playerHand = hand,
            .playerMelds = melds,
            .discardPile = pile,
            .playerHasDrawn = false,
            .pileFrozen = frozen};
}

class PileTake : public ::testing::Test {
  protected:
    PileTake() { game.table.NetworkActive = true; }  // so the peer's messages can be checked

    void Build(const Position& position) {
        test::BuildPosition(game, position);
        game.peer.sent.clear();
    }
    std::vector<int> Sent() const {
        std::vector<int> tokens;
        for (const HeadlessPeer::Sent& sent : game.peer.sent) tokens.push_back(sent.token);
        return tokens;
    }
    void Meld(const char* name) {
        const int index = test::IndexOf(game.state().PlayerHand, name);
        ASSERT_GE(index, 0) << name;
        MeldCard(game.table, index);
    }

    HeadlessGame game;
};

TEST_F(PileTake, ARefusedTakeShowsWhyAndChangesNothing) {
    struct Case {
        const char* why;
        Position position;
        int error;
        bool addExistingMeld = false;
    };
    const Case cases[] = {
        {"frozen: one natural and a joker",
         ToDraw("heart9 joker spade5", kKings, "spade4 diamond9", kFrozen), kErrorCannotTakePile},
        {"NaturalPair: one natural and a joker",
         ToDraw("heart9 joker spade5", kKings, "spade4 diamond9"), kErrorCannotTakePile},
        {"a black three on top", ToDraw("spade3 club3 spade5", kKings, "club3"),
         kErrorCannotTakePile},
        {"a wild card on top", ToDraw("joker joker spade5", kKings, "spade4 joker"),
         kErrorCannotTakePile},
        {"one card on one card", ToDraw("heart9", "spade9 club9 diamond9", "club9"),
         kErrorOneCardPile},
        {"a new meld leaving no card to discard", ToDraw("heart9 club9", kKings, "diamond9"),
         kErrorCannotTakePile},
        {"AddExistingMeld without a pair",
         ToDraw("heart9 spade5", "spade9 club9 diamond9", "spade4 club9"), kErrorCannotTakePile,
         true},
        {"drawn already",
         {.playerHand = "heart9 club9", .playerMelds = kKings, .discardPile = "diamond9"},
         kErrorAlreadyDrawn},
    };
    for (const Case& c : cases) {
        game.table.rules().AddExistingMeld = c.addExistingMeld;
        Build(c.position);
        TakePile(game.table);
        EXPECT_EQ(game.view.status, kErrorTexts[c.error]) << c.why;
        EXPECT_TRUE(Sent().empty()) << c.why;
    }
}

TEST_F(PileTake, TheTopCardWaitsUntilItIsMeldedWithTwoNaturals) {
    Build(ToDraw("heart9 club9 spade5 heart6 spade7", kKings, "heart3 spade4 diamond9", kFrozen));
    TakePile(game.table);
    EXPECT_EQ(Names(game.state().DiscardPile), "heart3 spade4");
    EXPECT_EQ(game.state().Prompt, kPromptTakingPile);
    EXPECT_EQ(game.view.rulesHint, kRulesHintLocked);
    Meld("heart9");
    EXPECT_TRUE(game.state().TopCardPending);
    Meld("club9");
    const GameState& state = game.state();
    EXPECT_FALSE(state.TopCardPending || state.PileTakeUndoable || state.PileFrozen);
    EXPECT_EQ(Names(state.PlayerHand), "spade5 heart6 spade7 spade4");
    EXPECT_EQ(Names(state.PlayerMelds), "spadeh clubh diamondh diamond9 heart9 club9 heart3");
    EXPECT_TRUE(game.table.undo.Empty());  // melds with a final take cannot be undone
    EXPECT_EQ(Sent(),
              (std::vector<int>{kTokenDrawPileTop, kTokenMeld, kTokenMeld, kTokenDrawPileRest}));
}

TEST_F(PileTake, AnExistingMeldMakesTheTakeFinalAtOnce) {
    Build(ToDraw("spade7 heart7", "spade9 club9 heart9",
                 "spade4 club4 diamond4 heart4 spade5 club5 diamond5 heart5 spade6 club6 heart3 "
                 "clubv diamond9"));
    TakePile(game.table);
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.PlayerMelds), "spade9 club9 heart9 diamond9 heart3");
    EXPECT_EQ(state.PlayerHand.count, 2 + 11);
    EXPECT_EQ(state.KnownPlayerCards.count, 11);
    EXPECT_TRUE(state.DiscardPile.Empty());
    EXPECT_EQ(state.Prompt, kPromptMeldOrDiscard);
    EXPECT_EQ(game.sounds.events, std::vector<int>{kSoundTakeHugePile});
    EXPECT_EQ(Sent(), (std::vector<int>{kTokenDrawPileTop, kTokenDrawPileRest}));
}

// With TopCardCounts off the top card raises the minimum by its own points.
TEST_F(PileTake, ATopCardThatDoesNotCountRaisesTheMinimum) {
    game.table.rules().TopCardCounts = 0;
    Build(ToDraw("hearth clubh spade5 heart5 club5 diamond5 heartv clubv spadev heart7", "",
                 "spade4 diamondh"));
    TakePile(game.table);
    for (const char* name : {"hearth", "clubh", "spade5", "heart5", "club5", "diamond5"})
        Meld(name);
    EXPECT_EQ(game.state().PlayerMinimum, 60);
    EXPECT_TRUE(game.state().TopCardPending);  // 50 points would do with the top card counting
    for (const char* name : {"heartv", "clubv", "spadev"}) Meld(name);
    EXPECT_FALSE(game.state().TopCardPending);
    EXPECT_EQ(game.state().PlayerMinimum, 60);
}

// The undo puts every card back where it lay, the canasta the top card completed included,
// and costs 50 points.
TEST_F(PileTake, UndoingAPendingTakeRestoresTheTurnAndCostsFifty) {
    const struct {
        const char* hand;
        const char* melds;
        const char* meldFirst;  // melded before the undo, or nothing
    } cases[] = {
        {"heart9 club9 spade5 heart6", kKings, "heart9"},
        {"spade9 club9 spade5 heart6", "spade9 club9 diamond9 heart9 joker club2", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.melds);
        Build(ToDraw(c.hand, c.melds, "spade4 diamond9", kFrozen));
        const GameState before = game.state();
        TakePile(game.table);
        if (c.meldFirst) Meld(c.meldFirst);
        TakePile(game.table);
        const GameState& state = game.state();
        EXPECT_EQ(Names(state.DiscardPile), "spade4 diamond9");
        EXPECT_EQ(Names(state.PlayerHand), Names(before.PlayerHand));
        EXPECT_EQ(state.PlayerTally, before.PlayerTally);
        // Spread card under card again (squaring may have changed which card lies last).
        std::vector<int32_t> rows;
        for (const CardRecord& card : state.PlayerMelds) rows.push_back(card.y);
        std::sort(rows.begin(), rows.end());
        for (int i = 0; i < before.PlayerMelds.count; ++i)
            EXPECT_EQ(rows[i], before.PlayerMelds.cards[i].y);
        EXPECT_EQ(state.PlayerMelds.anchors, before.PlayerMelds.anchors);
        EXPECT_EQ(state.PlayerScore, before.PlayerScore - 50);
        EXPECT_TRUE(state.NothingDrawnYet && !state.HasDrawn && !state.PileTakeUndoable);
        EXPECT_TRUE(game.table.undo.Empty());
        EXPECT_EQ(Sent().back(), kTokenUndoPile);
    }
}

// Once the stock is empty a meld of 3 to 6 cards of the top card's rank forces the take, even
// against the rules, but then only the top card is taken.
TEST_F(PileTake, AForcedTakeTakesOnlyTheTopCard) {
    game.table.rules().AddExistingMeld = 1;
    Build(ToDraw("spade5 heart6", "spade9 club9 heart9 diamond9", "spade4 diamond9"));
    game.state().StockExhausted = 1;
    TakePile(game.table);
    const GameState& state = game.state();
    EXPECT_EQ(Names(state.PlayerMelds), "spade9 club9 heart9 diamond9 diamond9");
    EXPECT_EQ(Names(state.DiscardPile), "spade4");
    EXPECT_TRUE(state.HasDrawn && !state.TopCardPending && !state.PileTakeUndoable);
    EXPECT_EQ(Sent(), std::vector<int>{kTokenDrawPileTop});
}

TEST_F(PileTake, ForcedOnMeldsOfThreeToSixAndOnSmallCanastas) {
    const struct {
        const char* melds;
        bool addToCanasta;
        bool forced;
    } cases[] = {
        {"spade9 club9", true, false},
        {"spade9 club9 heart9", true, true},
        {"spade9 club9 heart9 club9 joker joker", true, true},
        {"spade9 club9 heart9 club9 joker joker joker", true, true},
        {"spade9 club9 heart9 club9 joker joker joker", false, false},
        {"spade9 club9 heart9 club9 joker joker joker joker heart2", true, false},
    };
    for (const auto& c : cases) {
        game.table.rules().AddToCanasta = c.addToCanasta;
        Build(ToDraw("spade5", c.melds, "spade4 diamond9"));
        EXPECT_EQ(IsForced(game.table), c.forced) << c.melds;
        EXPECT_FALSE(IsForcedForOpponent(game.table));
    }
    Build({.opponentHand = "heart7 club7",
           .opponentMelds = "spade9 club9 heart9",
           .discardPile = "spade4 diamond9"});
    EXPECT_TRUE(IsForcedForOpponent(game.table));
    game.state().PileFrozen = 1;
    EXPECT_FALSE(IsForcedForOpponent(game.table));
    Build({.opponentHand = "heart7 club7", .opponentMelds = "spade9 club9 heart9"});
    EXPECT_FALSE(IsForcedForOpponent(game.table));  // an empty pile forces nothing
}

// A natural pair takes the pile onto a canasta of its rank only while the rule allows it.
TEST_F(PileTake, AddToCanastaLetsAPairTakeThePileOntoACanasta) {
    for (const bool addToCanasta : {true, false}) {
        game.table.rules().AddToCanasta = addToCanasta;
        Build(ToDraw("heart9 diamond9 spade5", "spade9 club9 heart9 spade9 club9 joker club2",
                     "spade4 diamond9", kFrozen));
        EXPECT_EQ(PileMayBeTaken(game.table, true), addToCanasta) << addToCanasta;
    }
}

TEST(DiscardRule, WildCardsFreezeAndRedThreesNeedTheThreeBlockRule) {
    const struct {
        const char* card;
        bool threeBlock;
        bool allowed;
        bool freezes;
    } cases[] = {{"heart5", false, true, false},
                 {"heart3", false, false, false},
                 {"club2", false, true, true},
                 {"diamond3", true, true, true}};
    for (const auto& c : cases) {
        HeadlessGame game;
        game.table.rules().ThreeBlock = c.threeBlock;
        EXPECT_EQ(DiscardRule(game.table, MakeCard(CardIdFromName(c.card).value(), 0)), c.allowed)
            << c.card;
        EXPECT_EQ(game.state().PileFrozen, c.freezes) << c.card;
    }
}

}  // namespace
}  // namespace tavolex
