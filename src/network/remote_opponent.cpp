// Each received move does to the opponent side what the remote player did to its own player
// side. A move naming a card that is not there skips the card's steps and still hands the turn
// on; a move that could only break the game (a wild card laid on the threes, an undo with no take
// to undo) is refused before it changes anything.
#include "network/remote_opponent.h"

#include <array>
#include <utility>

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "computer/computer_turn.h"
#include "game/melds.h"
#include "game/sounds.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "network/peer_message.h"
#include "network/remote_load_game.h"
#include "table/deal.h"

namespace tavolex {

namespace {

constexpr int kHugePile = 12;
constexpr int kPileUndoCharge = 50;

// The card nearest the end of the pile with this id (and in this column when one is given).
int FindLast(const Table& table, const CardPile& pile, uint8_t cardId, int column = -1) {
    for (int i = pile.count - 1; i >= 0; --i) {
        const CardRecord& card = pile.cards[i];
        if (card.cardId == cardId && (column < 0 || table.layout.ColumnOf(card.x) == column)) {
            return i;
        }
    }
    return -1;
}

// The remote player's turn is over: the player draws next.
void HandTurnBack(Table& table) {
    GameState& state = table.state;
    // A take of the top card alone (forced, the stock gone) has no rest to follow.
    table.OpponentTakingPile = 0;
    state.PlayerLocked = 0;
    state.OpponentPhase = kOpponentIdle;
    table.SetPrompt(kPromptDraw);
}

// Whether the remote player went out and the hand ended.
bool GoingOutCheck(Table& table) {
    return OpponentWentOut(table) && table.flow != nullptr && table.flow->EndOfHandCheck();
}

void EndRemoteTurn(Table& table) {
    HandTurnBack(table);
    table.sounds.PlayEvent(kSoundEndTurn);
    // Going out concealed is judged by the melds the turn began with, as for the computer;
    // only a turn that leaves the hand running sets the count for the next one.
    if (!GoingOutCheck(table)) table.state.OpponentMeldedBefore = table.state.OpponentMeldPoints;
}

// The meld column a wild card may be laid on: the wild-card canasta's or a natural rank's.
bool WildCardColumn(int column) {
    return column == kRankDeuce || IsNaturalRank(column);
}

void Deal(Table& table, const PeerMessage& message) {
    DealReceivedHand(table, message.deal.dealerStartsFirst, message.deal.slots);
}

void DrawNew(Table& table, const PeerMessage&) {
    GameState& state = table.state;
    if (!state.Stock.Empty()) {
        AddToComputerHand(table, PopStock(table), true);
        if (IsRedThree(state.OpponentHand.Top().cardId)) {
            MeldFromHand(table, state.OpponentHand.count - 1);
        }
    }
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    table.OpponentTakingPile = 0;
}

void Meld(Table& table, const PeerMessage& message) {
    table.state.OpponentPhase = 1;
    const int index = FindLast(table, table.state.OpponentHand, message.cardId);
    if (index >= 0) {
        CardCensus(table);
        const CardRecord card = PlayCardFromComputerHand(table, index);
        // A wild card melded alone goes where wild cards meld on their own.
        LayOnOpponentMeld(table, card, IsWildRank(card.rank) ? kRankDeuce : card.rank);
    }
    GoingOutCheck(table);
}

void TakeBackMelded(Table& table, const PeerMessage& message) {
    const int column = message.column;
    GameState& state = table.state;
    const int index = FindLast(table, state.OpponentMelds, message.cardId, column);
    if (index < 0) return;
    const bool inCanasta = state.OpponentTally.CanastaKind[column] != kNoCanasta;
    // Judged as the player's own undo judges it: a column of eight cards may stop being a
    // canasta too, when the card taken back was its fourth natural.
    const bool breaksCanasta =
        CanastaBrokenWithout(state.OpponentTally, state.OpponentMelds, table.layout, index, column);
    if (breaksCanasta) UnsquareCanasta(table, false, column);
    const CardRecord card =
        *RemoveCardAt(state.OpponentMelds, -1, index, inCanasta && !breaksCanasta, column);
    if (inCanasta && !breaksCanasta) {
        RecountCanastaNaturals(state.OpponentTally, state.OpponentMelds, table.layout, column);
    }
    if (!IsRedThree(card.cardId)) state.OpponentMeldPoints -= card.points;
    table.RepaintOpponentMeldColumn(column);
    AddToComputerHand(table, card, true);
}

void Discard(Table& table, const PeerMessage& message) {
    GameState& state = table.state;
    const int index = FindLast(table, state.OpponentHand, message.cardId);
    if (index >= 0) {
        const CardRecord card = PlayCardFromComputerHand(table, index);
        table.RepaintOpponentHandRow();
        table.PlaceOnDiscardPile(card);
        if (IsWildRank(card.rank) || IsRedThree(card.cardId)) state.PileFrozen = 1;
        table.RepaintPileBox();
    }
    EndRemoteTurn(table);
}

void DrawPileTop(Table& table, const PeerMessage&) {
    GameState& state = table.state;
    state.OpponentPhase = 3;
    if (state.DiscardPile.count > kHugePile) table.sounds.PlayEvent(kSoundTakeHugePile);
    // The player's saved copies hold the remote side's turn while it takes the pile.
    state.PlayerHandSaved = state.OpponentHand;
    state.PlayerMeldsSaved = state.OpponentMelds;
    state.PlayerTallySaved = state.OpponentTally;
    state.DiscardPileSaved = state.DiscardPile;
    state.PlayerMeldedBefore = table.CurrentMeldValue();
    state.OpponentMeldedBefore = state.OpponentMeldPoints;
    if (!state.DiscardPile.Empty()) {
        const CardRecord top = *PopCard(state.DiscardPile);
        CardCensus(table);
        LayOnOpponentMeld(table, top, top.rank);
        table.RepaintPileBox();
    }
    table.OpponentTakingPile = 1;
}

void DrawPileRest(Table& table, const PeerMessage&) {
    GameState& state = table.state;
    state.OpponentPhase = 1;
    TakeRestOfPile(table);
    LayRedThrees(table, false);
    state.PileFrozen = 0;
    table.view.RepaintAll();
    table.OpponentTakingPile = 0;
}

void UndoPile(Table& table, const PeerMessage&) {
    table.state.OpponentPhase = 0;
    ReturnOpponentsTake(table);
    table.state.OpponentScore -= kPileUndoCharge;
    table.view.RepaintAll();
}

void MeldWildCard(Table& table, const PeerMessage& message) {
    const int index = FindLast(table, table.state.OpponentHand, message.cardId);
    if (index >= 0) {
        CardCensus(table);
        LayOnOpponentMeld(table, PlayCardFromComputerHand(table, index), message.column);
    }
    GoingOutCheck(table);
}

void DiscardRedThree(Table& table, const PeerMessage& message) {
    GameState& state = table.state;
    state.OpponentPhase = kOpponentIdle;
    const int index = FindLast(table, state.OpponentMelds, message.cardId);
    state.PileFrozen = 1;
    if (index >= 0) {
        const CardRecord card = *RemoveCardAt(state.OpponentMelds, -1, index, false, kRankThree);
        table.RepaintOpponentMeldColumn(kRankThree);
        table.PlaceOnDiscardPile(card);
        table.RepaintPileBox();
    }
    EndRemoteTurn(table);
}

void PassDiscard(Table& table, const PeerMessage&) {
    HandTurnBack(table);
    table.state.OpponentMeldedBefore = table.state.OpponentMeldPoints;
    table.dialogs.Information(table.OpponentSentenceName() + " passes the discard.");
}

void NewGame(Table& table, const PeerMessage&) {
    GameState& state = table.state;
    state.OpponentScore = 0;
    state.PlayerScore = 0;
    state.GameInProgress = 0;
}

void HandOver(Table& table, const PeerMessage&) {
    table.state.EndHandRequested = 1;
    if (table.flow != nullptr) table.flow->EndOfHandCheck();
}

// The moves that would break the game whatever state it is in.
bool Acceptable(const Table& table, const PeerMessage& message) {
    const GameState& state = table.state;
    switch (message.token) {
        case kTokenMeldWildcard:
            return IsWildRank(RankOf(message.cardId)) && WildCardColumn(message.column);
        case kTokenUndoMeld:
            return message.column == kRankThree         ? RankOf(message.cardId) == kRankThree
                   : IsWildRank(RankOf(message.cardId)) ? WildCardColumn(message.column)
                                                        : RankOf(message.cardId) == message.column;
        case kTokenDiscardRedThree:
            return IsRedThree(message.cardId);
        case kTokenDrawPileTop:
            return state.DiscardPile.Empty() || !IsWildRank(state.DiscardPile.Top().rank);
        case kTokenUndoPile:
            return table.OpponentTakingPile != 0;
        case kTokenHandOver:
            return state.StockExhausted != 0;
        default:
            return true;
    }
}

}  // namespace

bool ApplyRemoteMove(Table& table, const PeerMessage& message) {
    using Receiver = void (*)(Table&, const PeerMessage&);
    static constexpr std::array<std::pair<int, Receiver>, 13> kReceivers = {{
        {kTokenDeal, Deal},
        {kTokenMeld, Meld},
        {kTokenUndoMeld, TakeBackMelded},
        {kTokenDiscard, Discard},
        {kTokenDrawNew, DrawNew},
        {kTokenDrawPileTop, DrawPileTop},
        {kTokenDrawPileRest, DrawPileRest},
        {kTokenUndoPile, UndoPile},
        {kTokenMeldWildcard, MeldWildCard},
        {kTokenDiscardRedThree, DiscardRedThree},
        {kTokenPassDiscard, PassDiscard},
        {kTokenNewGame, NewGame},
        {kTokenHandOver, HandOver},
    }};
    if (message.token == kTokenLoadGame) return LoadRemoteGame(table, message.game);
    if (!Acceptable(table, message)) return false;
    for (const auto& [token, receive] : kReceivers) {
        if (token == message.token) receive(table, message);
    }
    return true;
}

bool OpponentWentOut(const Table& table) {
    const GameState& state = table.state;
    if (!state.OpponentHand.Empty() ||
        state.OpponentTally.canastaCount < state.Rules.NumberOfCanastas ||
        table.OpponentTakingPile) {
        return false;
    }
    const MeldColumns melds = CountMeldColumns(state.OpponentMelds, table.layout);
    for (int column = kRankThree + 1; column < kColumns; ++column) {
        const int cards = melds.naturals[column] + melds.wilds[column];
        if ((cards != 0 && cards < 3) || melds.naturals[column] < melds.wilds[column]) return false;
    }
    const int wildColumn = melds.naturals[kRankDeuce] + melds.wilds[kRankDeuce];
    const int blackThrees = melds.blackThrees;
    return (blackThrees == 0 || blackThrees >= 3) && (wildColumn == 0 || wildColumn >= 7);
}

void ReturnOpponentsTake(Table& table) {
    GameState& state = table.state;
    state.OpponentHand = state.PlayerHandSaved;
    state.OpponentMelds = state.PlayerMeldsSaved;
    state.OpponentTally = state.PlayerTallySaved;
    state.DiscardPile = state.DiscardPileSaved;
    // Back to the value before the take, whatever was melded on it since.
    state.OpponentMeldPoints = state.OpponentMeldedBefore;
    table.OpponentTakingPile = 0;
}

}  // namespace tavolex
