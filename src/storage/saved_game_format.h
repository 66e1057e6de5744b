// The line layout of the saved-game file, shared by its writer and its reader.
#pragma once

#include <array>
#include <cstdint>

#include "game/game_state.h"

namespace tavolex::saved_game {

constexpr int kPileLineCount = 9;
constexpr int kTallyLineCount = 3;
constexpr int kLineCount = kPileLineCount + kTallyLineCount + 1;

struct PileLine {
    CardPile GameState::*pile;
    bool anchored;  // the hand and meld piles, whose columns have anchors
};

constexpr std::array<PileLine, kPileLineCount> kPileLines = {{
    {&GameState::Stock, false},
    {&GameState::OpponentHand, false},
    {&GameState::DiscardPile, false},
    {&GameState::DiscardPileSaved, false},
    {&GameState::OpponentMelds, true},
    {&GameState::PlayerHand, true},
    {&GameState::PlayerMelds, true},
    {&GameState::PlayerHandSaved, true},
    {&GameState::PlayerMeldsSaved, true},
}};

constexpr std::array<MeldTally GameState::*, kTallyLineCount> kTallyLines = {
    &GameState::PlayerTally, &GameState::OpponentTally, &GameState::PlayerTallySaved};

// A tally line: the canasta count, then the kinds and the natural counts of columns 1..13.
constexpr int kTallyNumbers = 1 + 2 * (kColumns - 1);
constexpr int kAnchorNumbers = 2 * kColumns;

// The line key hides the card values: each line gets a new one.
constexpr int kKeyRange = 1000;
constexpr int kKeyOffset = 399;
constexpr int kCardGroupSize = 9;

// The fields of a card group that carry the card's identity and rank, keyed.
struct KeyedCard {
    int64_t idQuotient;
    int64_t rankQuotient;
    int64_t idRemainder;
    int64_t rankRemainder;
    bool operator==(const KeyedCard&) const = default;
};

inline KeyedCard KeyCard(const CardRecord& card, int key) {
    const int64_t dividend = key + kKeyOffset;
    return {dividend / (card.cardId + 1), dividend / (card.rank + 1), dividend % (card.cardId + 1),
            dividend % (card.rank + 1)};
}

enum class TurnField {
    Flag,    // written as 0 or 1, read as set when non-zero
    Byte,    // 0..255
    Number,  // signed 32-bit
    Prompt,  // an index of the prompt table
};

// Calls visit(member, kind) for each field of the last line, in file order.
template <class Visit>
void ForEachTurnField(Visit&& visit) {
    visit(&GameState::PileFrozen, TurnField::Flag);
    visit(&GameState::HasDrawn, TurnField::Flag);
    visit(&GameState::PileTakeUndoable, TurnField::Flag);
    visit(&GameState::TopCardPending, TurnField::Flag);
    visit(&GameState::BlackThreesAllowed, TurnField::Flag);
    visit(&GameState::GameInProgress, TurnField::Flag);
    visit(&GameState::OpponentFaceUp, TurnField::Flag);
    visit(&GameState::TopMeldCountBefore, TurnField::Number);
    visit(&GameState::TopNaturalsBefore, TurnField::Number);
    visit(&GameState::NaturalPairNeeded, TurnField::Flag);
    visit(&GameState::HandOverlap, TurnField::Byte);
    visit(&GameState::OpponentMeldPoints, TurnField::Number);
    visit(&GameState::OpponentScore, TurnField::Number);
    visit(&GameState::PlayerScore, TurnField::Number);
    visit(&GameState::PlayerMinimum, TurnField::Number);
    visit(&GameState::Prompt, TurnField::Prompt);
    visit(&GameState::OpponentPhase, TurnField::Byte);
}

}  // namespace tavolex::saved_game
