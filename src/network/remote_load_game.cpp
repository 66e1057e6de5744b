#include "network/remote_load_game.h"

#include "game/melds.h"
#include "game/scoring.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "game/table_invariants.h"
#include "network/peer_message.h"
#include "table/deal.h"

namespace tavolex {

namespace {

// The segments of the loaded game, as the loading side wrote them.
enum Segment {
    kStockSegment = 0,
    kSenderOpponentHand = 1,
    kDiscardSegment = 2,
    kSenderOpponentMelds = 4,
    kSenderHand = 5,
    kSenderMelds = 6,
};
enum TurnNumber {
    kFrozen = 0,
    kSenderPrompt = 1,
    kSenderOpponentPhase = 2,
    kSenderMeldValue = 3,
    kSenderScore = 4,
    kSenderOpponentScore = 5,
};
constexpr uint8_t kOpponentHandRowY = 5;

CardRecord CardOf(const WireCard& wire, bool faceUp) {
    CardRecord card = MakeCard(wire.cardId, wire.deck);
    card.faceUp = faceUp;
    return card;
}

void FillAt(CardPile& pile, const std::vector<WireCard>& cards, int32_t x, int32_t y, bool faceUp) {
    for (const WireCard& wire : cards) {
        CardRecord card = CardOf(wire, faceUp);
        card.x = x;
        card.y = y;
        PushCard(pile, card);
    }
}

// Each card in the column of its rank; a wild card in the column written after it.
void FillColumns(CardPile& pile, const std::vector<WireCard>& cards, bool downward) {
    for (const WireCard& wire : cards) {
        CardRecord card = CardOf(wire, true);
        const int column = IsWildRank(card.rank) && wire.column >= 0 ? wire.column : card.rank;
        PlaceInColumnAt(pile, downward, false, column, card);
        PushCard(pile, card);
    }
}

// The sender's game with its player side made this side's opponent.
GameState SwappedState(const Table& table, const LoadGameText& game) {
    const TableLayout& layout = table.layout;
    GameState state = table.state;
    for (CardPile* pile : {&state.Stock, &state.DiscardPile, &state.OpponentHand, &state.PlayerHand,
                           &state.OpponentMelds, &state.PlayerMelds}) {
        *pile = CardPile{};
    }
    ResetColumnAnchors(state, layout);
    FillAt(state.Stock, game.piles[kStockSegment], layout.LeftMargin, layout.StockTop, false);
    FillColumns(state.PlayerHand, game.piles[kSenderOpponentHand], true);
    FillAt(state.DiscardPile, game.piles[kDiscardSegment], layout.LeftMargin, layout.DiscardTop,
           true);
    FillColumns(state.PlayerMelds, game.piles[kSenderOpponentMelds], true);
    for (const WireCard& wire : game.piles[kSenderHand]) {
        CardRecord card = CardOf(wire, false);
        card.x = layout.LeftMargin + state.HandOverlap * state.OpponentHand.count;
        card.y = kOpponentHandRowY;
        PushCard(state.OpponentHand, card);
    }
    FillColumns(state.OpponentMelds, game.piles[kSenderMelds], false);
    state.OpponentTally = game.tallies[0];
    state.PlayerTally = game.tallies[1];
    state.PileFrozen = game.turn[kFrozen] == 1;
    state.OpponentPhase = static_cast<uint8_t>(game.turn[kSenderPrompt]);
    state.Prompt = static_cast<uint8_t>(game.turn[kSenderOpponentPhase]);
    state.OpponentMeldPoints = game.turn[kSenderMeldValue];
    state.OpponentScore = game.turn[kSenderScore];
    state.PlayerScore = game.turn[kSenderOpponentScore];
    return state;
}

bool TurnNumbersFit(const LoadGameText& game) {
    const int32_t prompt = game.turn[kSenderOpponentPhase];
    const int32_t phase = game.turn[kSenderPrompt];
    return prompt >= 0 && prompt < kPromptCount && phase >= 0 && phase <= UINT8_MAX;
}

}  // namespace

bool LoadRemoteGame(Table& table, const LoadGameText& game) {
    if (!TurnNumbersFit(game) ||
        !CheckGameInvariants(SwappedState(table, game), table.layout).empty()) {
        return false;
    }
    ResetHandFields(table);
    table.computer.ResetHand();
    GameState& state = table.state;
    state = SwappedState(table, game);
    for (int column = 1; column < kColumns; ++column) {
        if (state.PlayerTally.CanastaKind[column] != kNoCanasta)
            SquareCanasta(table, state.PlayerMelds, true, column);
        if (state.OpponentTally.CanastaKind[column] != kNoCanasta)
            SquareCanasta(table, state.OpponentMelds, false, column);
    }
    state.StockExhausted = state.Stock.Empty();
    table.view.ShowEndHandButton(state.StockExhausted);
    state.HasDrawn = state.Prompt != kPromptDraw && state.Prompt != kPromptOpponentTurn;
    state.NothingDrawnYet = !state.HasDrawn;
    state.PlayerLocked = state.Prompt == kPromptOpponentTurn;
    table.SetPrompt(state.Prompt);
    state.PlayerMinimum = MinimumForScore(state.PlayerScore);
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    state.GameInProgress = 1;
    table.view.RepaintAll();
    return true;
}

}  // namespace tavolex
