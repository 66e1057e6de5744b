#include "computer/computer_turn.h"

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "game/pile_take.h"
#include "game/scoring.h"

namespace tavolex {

TurnContext BeginComputerTurn(Table& table) {
    GameState& state = table.state;
    state.PlayerLocked = 1;
    state.OpponentPhase = 0;
    table.view.SetHourglass(true);
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    TurnContext turn{table};
    turn.MeldMinimum = MinimumForScore(state.OpponentScore);
    return turn;
}

CardRecord PopStock(Table& table) {
    GameState& state = table.state;
    const CardRecord card = *PopCard(state.Stock);
    state.StockExhausted = state.Stock.Empty();
    if (state.StockExhausted) table.view.ShowEndHandButton(true);
    table.RepaintStock();
    return card;
}

void DrawForComputer(Table& table) {
    GameState& state = table.state;
    for (int drawn = 0; drawn < state.Rules.NumberOfCards && !state.Stock.Empty(); ++drawn) {
        CardRecord card = PopStock(table);
        AddToComputerHand(table, card, true);
        while (state.Rules.DrawExtra && IsRedThree(card.cardId) && !state.Stock.Empty()) {
            card = PopStock(table);
            AddToComputerHand(table, card, true);
        }
    }
}

namespace {
CardRecord TakeFromPile(Table& table) {
    const CardRecord top = *PopCard(table.state.DiscardPile);
    AddToComputerHand(table, top, true);
    if (!IsRedThree(top.cardId)) PushCard(table.state.KnownOpponentCards, top);
    table.RepaintPileBox();
    return top;
}
}  // namespace

CardRecord TakeTopDiscard(Table& table) {
    // The card the computer takes stands out on the pile before it goes into the hand.
    const CardRecord& top = table.state.DiscardPile.Top();
    table.view.ShowCardMove(top, top.x, top.y, top.x, top.y, true);
    return TakeFromPile(table);
}

void TakeRestOfPile(Table& table) {
    while (!table.state.DiscardPile.Empty()) TakeFromPile(table);
}

void DiscardForComputer(TurnContext& turn, ComputerLevel& level) {
    Table& table = turn.table;
    GameState& state = table.state;
    if (state.OpponentHand.count < 2 &&
        state.OpponentTally.canastaCount < state.Rules.NumberOfCanastas) {
        table.dialogs.Information("The computer passes the discard.");
        return;
    }
    if (state.OpponentHand.Empty()) return;
    const DiscardChoice choice = level.ChooseDiscard(turn);
    CardRecord card;
    if (choice.meldIndex >= 0) {
        card = *RemoveCardAt(state.OpponentMelds, -1, choice.meldIndex, false, kRankThree);
        table.RepaintOpponentMeldColumn(kRankThree);
    } else {
        card = PlayCardFromComputerHand(table, choice.handIndex);
    }
    table.PlaceOnDiscardPile(card, true);
    if (IsWildRank(card.rank) || IsRedThree(card.cardId)) state.PileFrozen = 1;
}

void EndComputerTurn(Table& table) {
    GameState& state = table.state;
    table.RepaintPileBox();
    table.RepaintOpponentHandRow();
    table.view.SetHourglass(false);
    if (table.flow) table.flow->EndOfHandCheck();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    state.PlayerLocked = 0;
    table.SetPrompt(0);
    state.OpponentPhase = kOpponentIdle;
}

void PlayStandardTurn(Table& table, ComputerLevel& level) {
    GameState& state = table.state;
    TurnContext turn = BeginComputerTurn(table);
    if (level.ShouldTakePile(turn)) {
        state.PileFrozen = 0;
        table.view.PauseWithHourglass(table.MeldDelay);
        const CardRecord top = TakeTopDiscard(table);
        table.computer.PileStillToCome = !state.DiscardPile.Empty();
        level.MeldTakenTopCard(turn, top);
        table.computer.PileStillToCome = 0;
        TakeRestOfPile(table);
    } else if (!state.StockExhausted) {
        DrawForComputer(table);
    } else if (!IsForcedForOpponent(table)) {
        state.EndHandRequested = 1;
        table.view.SetHourglass(false);
        if (table.flow) table.flow->EndOfHandCheck();
        return;
    } else {
        level.MeldForcedTopCard(turn, TakeTopDiscard(table));
    }
    state.OpponentPhase = 1;
    LayRedThrees(table, false);
    level.MeldPhase(turn);
    DiscardForComputer(turn, level);
    EndComputerTurn(table);
}

bool ComputerMayTakePile(Table& table, const CardRecord& top, bool frozen) {
    GameState& state = table.state;
    const RuleOptions& rules = state.Rules;
    CardCensus(table);
    const int r = top.rank;
    const bool pair = state.OpponentHandCount[r] >= 2;
    const bool meld = state.OpponentMeldCount[r] >= 3;
    const bool canasta = state.OpponentMeldCount[r] >= 7;
    const HandShape shape = ShapeOfComputerHand(table);
    const bool oneAndWild = state.OpponentHandCount[r] == 1 && shape.Wild() > 0;
    bool allowed;
    if (pair)
        allowed = canasta ? rules.AddToCanasta : true;
    else if (frozen)
        allowed = false;
    else if (meld)
        allowed = rules.AddExistingMeld ? false : (canasta ? rules.AddToCanasta : true);
    else
        allowed = rules.NaturalPair ? false : oneAndWild;
    const bool forced = state.StockExhausted && IsForcedForOpponent(table);
    bool result = r >= 3 && !(state.DiscardPile.count == 1 && state.OpponentHand.count == 1) &&
                  (allowed || forced);
    if (result && state.OpponentMeldCount[r] == 0)
        result = state.OpponentHand.count + state.DiscardPile.count > 3;
    return result;
}

bool DrawAggressiveTurn(Table& table) {
    const int r = table.random.Below(table.state.Stock.count);
    return table.Aggression * 0.6 + 10 > r;
}

}  // namespace tavolex
