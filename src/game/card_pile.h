// A pile of up to 108 cards, with the anchor point of each rank column.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/cards.h"

namespace tavolex {

constexpr int kMaxPile = 108;
constexpr int kCardStep = 12;  // pixels between two cards stacked in a column

struct Anchor {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Anchor&) const = default;
};

struct CardPile {
    std::array<CardRecord, kMaxPile> cards{};
    uint8_t count = 0;
    std::array<Anchor, kColumns> anchors{};

    const CardRecord& Top() const { return cards[count - 1]; }
    bool Empty() const { return count == 0; }
    const CardRecord* begin() const { return cards.data(); }
    const CardRecord* end() const { return cards.data() + count; }
    // Piles are equal by their cards and anchors; slots above count keep whatever was popped
    // and mean nothing.
    bool operator==(const CardPile& other) const;
};

// Each operation refuses (reports an internal error and changes nothing) when it would
// read or write outside the pile.
bool PushCard(CardPile& pile, const CardRecord& card);
std::optional<CardRecord> PopCard(CardPile& pile);
void RemoveCardById(CardPile& pile, uint8_t cardId);
// Closes the gap; unless keepAnchor, the column's anchor and the cards of the column that lay
// beyond the removed card move back by 12 pixels x step (+1 a downward column, -1 upward).
std::optional<CardRecord> RemoveCardAt(CardPile& pile, int step, int index, bool keepAnchor,
                                       int column);
// Computes the card's position in its rank column (the caller pushes it); unless keepAnchor,
// the anchor moves one step down (downward) or up first.
void PlaceInColumn(CardPile& pile, bool downward, bool keepAnchor, CardRecord& card);
void PlaceInColumnAt(CardPile& pile, bool downward, bool keepAnchor, int column, CardRecord& card);

int IndexOfCardId(const CardPile& pile, uint8_t cardId);

}  // namespace tavolex
