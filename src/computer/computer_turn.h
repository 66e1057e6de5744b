// The computer's turn: the skeleton every level follows, and the dispatch by level.
#pragma once

#include <optional>

#include "game/table.h"

namespace tavolex {

// What one turn computes at its start and its decisions read.
struct TurnContext {
    Table& table;
    int32_t MeldMinimum = 50;
    bool AggressiveTurn = false;
    bool PlayerAhead = false;

    GameState& state() { return table.state; }
    const RuleOptions& rules() const { return table.state.Rules; }
};

// A level's discard choice: a hand index, or a red three taken from the computer's melds
// (only the Expert does that).
struct DiscardChoice {
    int handIndex = -1;
    int meldIndex = -1;
};

// The decisions a level plugs into the shared skeleton.
class ComputerLevel {
  public:
    virtual ~ComputerLevel() = default;
    virtual bool ShouldTakePile(TurnContext& turn) = 0;
    // Melds with the top card just added to the hand (the rest of the pile still lies there).
    virtual void MeldTakenTopCard(TurnContext& turn, const CardRecord& top) = 0;
    // With the stock exhausted and the computer forced: melds the single top card taken.
    virtual void MeldForcedTopCard(TurnContext& turn, const CardRecord& top) = 0;
    virtual void MeldPhase(TurnContext& turn) = 0;
    virtual DiscardChoice ChooseDiscard(TurnContext& turn) = 0;
};

// The Beginner's and the Advanced's turn: pick-up, red threes, melding, discard, closing.
void PlayStandardTurn(Table& table, ComputerLevel& level);

// Steps of the skeleton the Expert's own turn also uses.
TurnContext BeginComputerTurn(Table& table);
// Takes the top card of the stock as the player's draw does: the End Hand button appears when
// the stock runs out.
CardRecord PopStock(Table& table);
// Draws "Number of Cards" cards (red threes replaced while "Draw Extra" is on).
void DrawForComputer(Table& table);
// Pops the top of the discard pile into the hand, marking it on the pile first.
CardRecord TakeTopDiscard(Table& table);
// Takes every remaining card of the discard pile into the hand, top first.
void TakeRestOfPile(Table& table);
// The discard step: passes with fewer than two cards and too few canastas, else discards.
void DiscardForComputer(TurnContext& turn, ComputerLevel& level);
// Repaints, runs the end-of-hand check and hands the turn back to the player.
void EndComputerTurn(Table& table);

// The computer's counterpart of the player's can-take test.
bool ComputerMayTakePile(Table& table, const CardRecord& top, bool frozen);
// AggressiveTurn for this turn: Aggression x 0.6 + 10 above a draw below the stock size.
bool DrawAggressiveTurn(Table& table);

// Plays the opponent's side at the table's ComputerLevel.
class ComputerOpponent : public OpponentPlayer {
  public:
    void PlayTurn(Table& table) override;
};

}  // namespace tavolex
