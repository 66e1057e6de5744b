#include "game/pile_take.h"

#include "game/game_state.h"
#include "game/melds.h"
#include "game/peer_link.h"
#include "game/rule_options.h"
#include "game/scoring.h"
#include "game/sounds.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

constexpr int kHugePile = 12;  // taking more cards than this earns its own sound
constexpr int kCanastaSize = 7;
constexpr int32_t kUndoTakePenalty = 50;
constexpr const char* kUndoTakeFailed =
    "An error occurred while undoing taking the discard pile. A new hand will be dealt.";

// Taking a single card with a single card in hand would leave nothing to discard.
bool OneCardEach(const GameState& state, int handCount) {
    return state.DiscardPile.count == 1 && handCount == 1;
}

// One side is forced when the top card fits a meld of 3 to 6 cards, or a canasta of 7 or 8 that
// the top card may join.
bool IsForcedWith(Table& table, int handCount, const ColumnCounts& meldCount) {
    const GameState& state = table.state;
    if (state.DiscardPile.Empty() || state.PileFrozen) return false;
    const int rank = state.DiscardPile.Top().rank;
    if (!IsNaturalRank(rank) || OneCardEach(state, handCount)) return false;
    const int inColumn = meldCount[rank];
    return (inColumn >= 3 && inColumn < kCanastaSize) ||
           ((inColumn == kCanastaSize || inColumn == kCanastaSize + 1) &&
            table.rules().AddToCanasta);
}

int CardsOfRank(const CardPile& pile, int rank) {
    int count = 0;
    for (const CardRecord& card : pile)
        if (card.rank == rank) ++count;
    return count;
}

// The top card goes to the player's meld column of its rank; returns what that column held.
int MoveTopCardToMelds(Table& table) {
    GameState& state = table.state;
    table.CountColumns();
    state.TopCardPending = 1;
    state.TakenTopCard = *PopCard(state.DiscardPile);
    table.RepaintPileBox();
    CardRecord& card = state.TakenTopCard;
    const int before = state.PlayerMeldCount[card.rank];
    const int fromX = card.x;
    const int fromY = card.y;
    PlaceInColumn(state.PlayerMelds, true, state.PlayerTally.CanastaKind[card.rank] != kNoCanasta,
                  card);
    PushCard(state.PlayerMelds, card);
    table.SendToken(kTokenDrawPileTop);
    table.ShowMove(card, fromX, fromY);
    if (!SquareCanasta(table, state.PlayerMelds, true, card.rank)) {
        table.RepaintPlayerMeldColumn(card.rank);
    }
    return before;
}

// The rest of the pile stays on the table until the top card is validly melded.
void StartPendingTake(Table& table, int before) {
    GameState& state = table.state;
    table.SetPrompt(kPromptTakingPile);
    state.PileTakeUndoable = 1;
    state.TakenTopRank = state.TakenTopCard.rank;
    if (!table.rules().TopCardCounts) state.PlayerMinimum += state.TakenTopCard.points;
    state.TopMeldCountBefore = before;
    state.TopNaturalsBefore = CardsOfRank(state.PlayerMelds, state.TakenTopRank) - 1;
    state.NaturalPairNeeded = table.PileFrozenFor() || table.rules().NaturalPair;
}

// The take becomes final: the rest of the pile goes to the hand, red threes to the melds.
void FinishTake(Table& table) {
    GameState& state = table.state;
    table.SetPrompt(kPromptMeldOrDiscard);
    state.PileFrozen = 0;
    state.PileTakeUndoable = 0;
    state.TopCardPending = 0;
    state.NothingDrawnYet = 0;
    table.SendToken(kTokenDrawPileRest);
    while (!state.DiscardPile.Empty()) {
        CardRecord card = *PopCard(state.DiscardPile);
        const int fromX = card.x;
        const int fromY = card.y;
        if (IsRedThree(card.cardId)) {
            PlaceInColumn(state.PlayerMelds, true, false, card);
            PushCard(state.PlayerMelds, card);
            table.RepaintPlayerMeldColumn(card.rank);
        } else {
            PlaceInColumn(state.PlayerHand, true, false, card);
            PushCard(state.PlayerHand, card);
            PushCard(state.KnownPlayerCards, card);
        }
        table.ShowMove(card, fromX, fromY);
        table.RepaintPileBox();
    }
    // The count loses its frozen brackets even when the top card was the whole pile.
    table.RepaintPileBox();
    table.RepaintPlayerHandArea();
    table.undo.Clear();
    table.view.EnableUndo(false);
}

// Found by identity, not by position: squaring a canasta puts every card of a column in one
// place. A natural card's id and deck name exactly one card of the pack.
int IndexOfTakenTopCard(const GameState& state) {
    for (int i = 0; i < state.PlayerMelds.count; ++i) {
        const CardRecord& card = state.PlayerMelds.cards[i];
        if (card.cardId == state.TakenTopCard.cardId && card.deck == state.TakenTopCard.deck) {
            return i;
        }
    }
    return -1;
}

}  // namespace

bool PileMayBeTaken(Table& table, bool forClick) {
    GameState& state = table.state;
    if (state.DiscardPile.Empty()) return false;
    table.CountColumns();
    const RuleOptions& rules = table.rules();
    const int rank = state.DiscardPile.Top().rank;
    const int inHand = state.PlayerHandCount[rank];
    const int inColumn = state.PlayerMeldCount[rank];
    const bool hasWild = state.PlayerHandCount[kRankJoker] + state.PlayerHandCount[kRankDeuce] > 0;
    const bool onCanasta = inColumn >= kCanastaSize;

    bool allowed = false;
    if (inHand >= 2) {
        allowed = !onCanasta || rules.AddToCanasta;
    } else if (table.PileFrozenFor()) {
        allowed = false;  // a frozen pile needs the natural pair
    } else if (inColumn >= 3) {
        allowed = !rules.AddExistingMeld && (!onCanasta || rules.AddToCanasta);
    } else {
        allowed = !rules.NaturalPair && inHand == 1 && hasWild;
    }
    const bool forced = forClick && state.StockExhausted && IsForced(table);
    if (!(allowed || forced) || !IsNaturalRank(rank)) return false;

    // A new meld must leave a card to discard, unless the player may go out.
    if (inColumn == 0) {
        const bool mayGoOut = state.PlayerTally.canastaCount >= rules.NumberOfCanastas;
        if (state.PlayerHand.count + state.DiscardPile.count <= (mayGoOut ? 0 : 3)) return false;
    }
    return !OneCardEach(state, state.PlayerHand.count);
}

bool IsForced(Table& table) {
    table.CountColumns();
    return IsForcedWith(table, table.state.PlayerHand.count, table.state.PlayerMeldCount);
}

bool IsForcedForOpponent(Table& table) {
    table.CountColumns();
    return IsForcedWith(table, table.state.OpponentHand.count, table.state.OpponentMeldCount);
}

void TakePile(Table& table) {
    GameState& state = table.state;
    if (!state.NothingDrawnYet) {
        if (state.PileTakeUndoable) {
            UndoPileTake(table);
        } else {
            table.ShowError(kErrorAlreadyDrawn);
        }
        return;
    }
    if (!PileMayBeTaken(table, true)) {
        table.ShowError(OneCardEach(state, state.PlayerHand.count) ? kErrorOneCardPile
                                                                   : kErrorCannotTakePile);
        return;
    }
    // Allowed only because the player is forced: then the rest of the pile stays.
    const bool onlyTop = !PileMayBeTaken(table, false);

    table.view.SetRulesHint(kRulesHintLocked);
    state.NothingDrawnYet = 0;
    if (state.DiscardPile.count > kHugePile) table.sounds.PlayEvent(kSoundTakeHugePile);
    const int before = MoveTopCardToMelds(table);
    state.HasDrawn = 1;

    const RuleOptions& rules = table.rules();
    if (onlyTop) {
        table.SetPrompt(kPromptMeldOrDiscard);
        state.TopCardPending = 0;
        state.PileTakeUndoable = 0;
        state.CardsDrawn = 0;
    } else if (!table.PileFrozenFor() && before >= 1 &&
               !(rules.NaturalPair && rules.AddExistingMeld)) {
        FinishTake(table);
    } else {
        StartPendingTake(table, before);
    }
    RunMustPassTest(table);
    SavePlayerTurn(state);
    table.RepaintPileBox();
}

void CompletePileTake(Table& table) {
    GameState& state = table.state;
    if (!state.PileTakeUndoable || !MeldsValid(table)) return;
    table.CountColumns();
    // The top card and at least two more cards in its column.
    if (state.PlayerMeldCount[state.TakenTopRank] < state.TopMeldCountBefore + 3) return;
    if (state.NaturalPairNeeded &&
        CardsOfRank(state.PlayerMelds, state.TakenTopRank) < state.TopNaturalsBefore + 3) {
        return;
    }
    if (table.CurrentMeldValue() < state.PlayerMinimum &&
        !(table.rules().BonusCounts && state.PlayerTally.canastaCount > 0)) {
        return;
    }
    FinishTake(table);
}

void UndoPileTake(Table& table, bool charged) {
    GameState& state = table.state;
    table.SetPrompt(kPromptDraw);
    if (!table.rules().TopCardCounts) state.PlayerMinimum -= state.TakenTopCard.points;
    state.TopCardPending = 0;
    state.PileTakeUndoable = 0;
    state.HasDrawn = 0;
    state.NothingDrawnYet = 1;
    // Every card melded since the take goes back to the hand.
    RestorePlayerTurn(state);
    table.undo.Clear();
    table.view.EnableUndo(false);

    const int index = IndexOfTakenTopCard(state);
    if (index < 0) {
        table.dialogs.Error(kUndoTakeFailed);
        if (table.flow != nullptr) table.flow->DealHand(false);
        return;
    }
    const int column = state.PlayerMelds.cards[index].rank;
    const bool inCanasta = state.PlayerTally.CanastaKind[column] != kNoCanasta;
    CardRecord card = *RemoveCardAt(state.PlayerMelds, +1, index, inCanasta, column);
    if (inCanasta && state.TopMeldCountBefore < kCanastaSize) {
        UnsquareCanasta(table, true, column);
    } else if (inCanasta) {
        // The canasta the top card joined stands without it, with the naturals it had before.
        RecountCanastaNaturals(state.PlayerTally, state.PlayerMelds, table.layout, column);
    }
    card.x = table.layout.LeftMargin;
    card.y = table.layout.DiscardTop;
    PushCard(state.DiscardPile, card);
    if (charged) state.PlayerScore -= kUndoTakePenalty;

    table.RepaintPileBox();
    table.RepaintPlayerMeldArea();
    table.RepaintPlayerHandArea();
    table.SendToken(kTokenUndoPile);
}

bool DiscardRule(Table& table, const CardRecord& card) {
    const bool redThree = IsRedThree(card.cardId);
    if (redThree && !table.rules().ThreeBlock) return false;
    if (redThree || IsWildRank(card.rank)) table.state.PileFrozen = 1;
    return true;
}

}  // namespace tavolex
