#include "table/deal.h"

#include <array>
#include <initializer_list>
#include <string>

#include "game/peer_codes.h"
#include "game/rule_options.h"
#include "game/scoring.h"
#include "game/settings_store.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

constexpr int kHandSize = 15;
constexpr int kJokersPerDeck = 2;

std::string WhoseTurnText(const Table& table) {
    if (table.state.PlayerStartsNext) return "It's your turn to draw first.";
    return "It's " + table.OpponentSentenceName() + "'s turn to draw first.";
}

// Empties every pile and fills the stock's slots: each card of the pack in the fixed order the
// deal text lists them (the first deck suit by suit and its jokers, then the second deck) goes
// into the slot slotFor gives it.
template <typename SlotFor>
void LayStock(Table& table, SlotFor slotFor) {
    GameState& state = table.state;
    for (CardPile* pile : {&state.DiscardPile, &state.OpponentHand, &state.PlayerHand,
                           &state.PlayerMelds, &state.OpponentMelds}) {
        *pile = CardPile{};
    }
    state.Stock = CardPile{};
    state.Stock.count = kMaxPile;
    int order = 0;
    auto layCard = [&](uint8_t cardId, uint8_t deck) {
        CardRecord card = MakeCard(cardId, deck);
        card.x = table.layout.LeftMargin;
        card.y = table.layout.StockTop;
        state.Stock.cards[slotFor(order++)] = card;
    };
    for (uint8_t deck = 0; deck < 2; ++deck) {
        for (int suit = 0; suit < kSuits; ++suit)
            for (int face = 0; face < kFaces; ++face) layCard(CardName(suit, face).cardId, deck);
        for (int joker = 0; joker < kJokersPerDeck; ++joker) layCard(kJokerId, deck);
    }
}

// Lays the whole pack into random free slots of the stock and returns the deal text the peer
// rebuilds the same stock from.
std::string ShufflePack(Table& table) {
    std::array<bool, kMaxPile> used{};
    std::string text(1, table.state.PlayerStartsNext ? '1' : '0');
    LayStock(table, [&](int) {
        int slot;
        do slot = table.random.Below(kMaxPile);
        while (used[slot]);
        used[slot] = true;
        text += static_cast<char>(slot + kWireOffset);
        return slot;
    });
    return text;
}

CardRecord TakeFromStock(GameState& state) {
    return *PopCard(state.Stock);
}

void DealOpponentHand(Table& table) {
    GameState& state = table.state;
    while (state.OpponentHand.count < kHandSize && !state.Stock.Empty())
        DealToOpponent(table, TakeFromStock(state));
}

void DealPlayerHand(GameState& state) {
    while (state.PlayerHand.count < kHandSize && !state.Stock.Empty()) {
        CardRecord card = TakeFromStock(state);
        card.faceUp = 1;
        CardPile& target = IsRedThree(card.cardId) ? state.PlayerMelds : state.PlayerHand;
        PlaceInColumn(target, true, false, card);
        PushCard(target, card);
    }
}

// A wild card or a red three turned up freezes the pile and is covered by the next card.
void TurnUpcard(Table& table) {
    GameState& state = table.state;
    while (!state.Stock.Empty()) {
        CardRecord card = TakeFromStock(state);
        card.faceUp = 1;
        card.x = table.layout.LeftMargin;
        card.y = table.layout.DiscardTop;
        PushCard(state.DiscardPile, card);
        if (!IsWildRank(card.rank) && !IsRedThree(card.cardId)) return;
        state.PileFrozen = 1;
    }
}

}  // namespace

void ResetHandFields(Table& table) {
    GameState& state = table.state;
    state.TopCardPending = 0;
    // The stored setting, as the Rules dialog last wrote it, rather than the rules in force.
    state.PileFrozen = ReadBool(table.settings, "Settings\\Initial Block", true);
    state.BlackThreesAllowed = 0;
    state.NothingDrawnYet = 1;
    state.OpponentMeldPoints = 0;
    state.PlayerMeldedBefore = 0;
    state.OpponentMeldedBefore = 0;
    state.CardsDrawn = 0;
    state.HasDrawn = 0;
    state.WildcardPicked = 0;
    state.PileTakeUndoable = 0;
    state.PlayerTally = MeldTally{};
    state.OpponentTally = MeldTally{};
    state.KnownPlayerCards = CardPile{};
    state.KnownOpponentCards = CardPile{};
    state.StockExhausted = 0;
    table.view.ShowEndHandButton(false);
    state.EndHandRequested = 0;
    table.ConcealAfterLoad = 0;
    table.ConcealRemote = table.NetworkActive;
    table.OpponentTakingPile = 0;
}

bool DealToOpponent(Table& table, CardRecord card) {
    GameState& state = table.state;
    if (IsRedThree(card.cardId)) {
        card.faceUp = 1;
        PlaceInColumn(state.OpponentMelds, false, false, card);
        PushCard(state.OpponentMelds, card);
        return false;
    }
    card.x = table.layout.LeftMargin + state.HandOverlap * state.OpponentHand.count;
    card.y = 5;
    card.faceUp = state.OpponentFaceUp;
    PushCard(state.OpponentHand, card);
    return true;
}

void StartNewGame(Table& table) {
    GameState& state = table.state;
    if (table.NetworkActive && state.GameInProgress &&
        !table.dialogs.AskYesNo(
            "You have a network game running. Are you sure you want to start a new game?")) {
        return;
    }
    state.OpponentScore = 0;
    state.PlayerScore = 0;
    table.SendToken(kTokenNewGame);
    state.GameInProgress = 0;
    DealHand(table, false);
}

namespace {

// What every deal does before the stock is laid.
void BeginDeal(Table& table, bool firstOfRun) {
    table.view.SetHourglass(true);
    table.sounds.PlayEvent(firstOfRun ? kSoundStart : kSoundDeal);
    if (table.ShowTurns && table.TableShowing) table.view.ShowWhoseTurn(WhoseTurnText(table));
    table.view.SetRulesHint(kRulesHintUnlocked);
    table.computer.ResetHand();
    if (table.opponent != nullptr) table.opponent->ResetHandMemory();
    table.view.EnableUndo(false);
    table.undo.Clear();
    ResetHandFields(table);
}

// The upcard and whose turn it is, once both hands are dealt.
void FinishDeal(Table& table) {
    GameState& state = table.state;
    TurnUpcard(table);
    SavePlayerTurn(state);
    state.PlayerMinimum = MinimumForScore(state.PlayerScore);

    const bool playerStarts = state.PlayerStartsNext;
    state.PlayerLocked = !playerStarts;
    // Switched before the opponent moves: a hand it ends in this very turn deals the next one
    // from inside its turn, and that deal must already see whose turn it is to start.
    state.PlayerStartsNext = !playerStarts;
    if (playerStarts) {
        table.SetPrompt(kPromptDraw);
        state.OpponentPhase = kOpponentIdle;
    } else {
        table.SetPrompt(kPromptOpponentTurn);
        state.OpponentPhase = 0;
        // The whole new deal is on the table before the opponent's first card moves.
        table.view.RepaintAll();
        table.flow->StartOpponentTurn();
    }
    table.view.RepaintAll();
    table.view.SetHourglass(false);
}

}  // namespace

void DealHand(Table& table, bool firstOfRun) {
    BeginDeal(table, firstOfRun);
    if (table.ReseedFromClock) table.random.Seed(table.clock.MillisecondsSinceStart());
    table.SendToken(kTokenDeal, ShufflePack(table));
    ResetColumnAnchors(table.state, table.layout);
    DealOpponentHand(table);
    DealPlayerHand(table.state);
    FinishDeal(table);
}

void DealReceivedHand(Table& table, bool dealerStartsFirst,
                      const std::array<uint8_t, kMaxPile>& slots) {
    table.state.PlayerStartsNext = !dealerStartsFirst;
    BeginDeal(table, false);
    LayStock(table, [&](int order) { return slots[order]; });
    ResetColumnAnchors(table.state, table.layout);
    // The dealer dealt its opponent first: that is this side's player.
    DealPlayerHand(table.state);
    DealOpponentHand(table);
    FinishDeal(table);
}

}  // namespace tavolex
