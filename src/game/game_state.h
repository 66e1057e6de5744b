// The one record of the running match and the hand in progress.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/card_pile.h"
#include "game/rule_options.h"
#include "game/table_layout.h"

namespace tavolex {

struct MeldTally {
    int32_t canastaCount = 0;
    std::array<uint8_t, kColumns> CanastaKind{};   // 0 none, 1 mixed, 2 natural, 3 wild-card
    std::array<uint8_t, kColumns> NaturalCount{};  // naturals when the column was squared
    bool operator==(const MeldTally&) const = default;
};

enum CanastaKindCode : uint8_t { kNoCanasta = 0, kMixedCanasta = 1, kNaturalCanasta = 2, kWildCanasta = 3 };

using ColumnCounts = std::array<int32_t, kColumns>;

// Who ended the hand.
enum WentOutCode : int32_t { kPlayerWentOut = 0, kOpponentWentOut = 1, kNobodyWentOut = 2 };

constexpr uint8_t kOpponentIdle = 8;  // OpponentPhase when it is not the opponent's turn

struct GameState {
    CardPile Stock;
    CardPile DiscardPile;
    CardPile OpponentHand;
    CardPile DiscardPileSaved;
    CardPile PlayerHand;
    CardPile OpponentMelds;
    CardPile PlayerMelds;
    CardPile PlayerHandSaved;
    CardPile PlayerMeldsSaved;
    MeldTally PlayerTally;
    MeldTally OpponentTally;
    MeldTally PlayerTallySaved;
    uint8_t WildcardPicked = 0;
    uint8_t TopCardPending = 0;
    uint8_t PileFrozen = 0;
    uint8_t HasDrawn = 0;
    uint8_t BlackThreesAllowed = 0;
    uint8_t PileTakeUndoable = 0;
    uint8_t NothingDrawnYet = 1;
    int32_t OpponentScore = 0;
    int32_t PlayerScore = 0;
    int32_t OpponentMeldPoints = 0;
    int32_t WentOut = kNobodyWentOut;
    int32_t PlayerMeldedBefore = 0;
    int32_t OpponentMeldedBefore = 0;
    int32_t TopMeldCountBefore = 0;
    int32_t TopNaturalsBefore = 0;
    uint8_t NaturalPairNeeded = 0;
    uint8_t CardsDrawn = 0;
    ColumnCounts PlayerMeldCount{};
    ColumnCounts PlayerHandCount{};
    ColumnCounts OpponentHandCount{};
    ColumnCounts OpponentMeldCount{};
    ColumnCounts DiscardCount{};
    CardPile KnownPlayerCards;
    // The same memory on the player's side: what the opponent took from the discard pile and has
    // not yet melded or discarded. Only a computer playing the player's side reads it.
    CardPile KnownOpponentCards;
    CardRecord TakenTopCard;
    uint8_t TakenTopRank = 0;
    uint8_t Prompt = 0;
    uint8_t OpponentPhase = kOpponentIdle;
    uint8_t ErrorCode = 0;
    uint8_t HandOverlap = 10;
    uint8_t OpponentFaceUp = 0;  // faceUp given to the opponent's cards when dealt
    int32_t PlayerMinimum = 50;
    uint8_t PlayerStartsNext = 1;
    uint8_t GameInProgress = 0;
    RuleOptions Rules;
    std::string RejectReason;
    uint8_t PlayerLocked = 0;
    uint8_t StockExhausted = 0;
    uint8_t EndHandRequested = 0;

    bool operator==(const GameState&) const = default;
};

// Recomputes the four per-column counts of both hands and both meld areas.
void CountColumns(GameState& state, const TableLayout& layout);
// Points of the player's melds, red threes excluded; unless allColumns, only columns of 3 or more.
int32_t CurrentMeldValue(GameState& state, const TableLayout& layout, bool allColumns = false);
void SavePlayerTurn(GameState& state);
void RestorePlayerTurn(GameState& state);

// Anchors of the three anchored live piles at the top of their rows, one per column.
void ResetColumnAnchors(GameState& state, const TableLayout& layout);

// Cards in one column of a meld pile (the column taken from each card's x).
int CountInColumn(const CardPile& melds, const TableLayout& layout, int column);

}  // namespace tavolex
