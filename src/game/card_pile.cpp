#include "game/card_pile.h"

#include <algorithm>
#include <string>

#include "game/internal_error.h"

namespace tavolex {

namespace {
bool GuardIndex(int index, const char* operation) {
    if (index >= 0 && index < kMaxPile) return true;
    ReportInternalError(std::string(operation) + ": pile index " + std::to_string(index) +
                        " out of range");
    return false;
}

bool GuardColumn(int column, const char* operation) {
    if (column >= 0 && column < kColumns) return true;
    ReportInternalError(std::string(operation) + ": column " + std::to_string(column) +
                        " out of range");
    return false;
}
}  // namespace

bool CardPile::operator==(const CardPile& other) const {
    return count == other.count && anchors == other.anchors &&
           std::equal(begin(), end(), other.begin());
}

bool PushCard(CardPile& pile, const CardRecord& card) {
    if (!GuardIndex(pile.count, "PushCard")) return false;
    pile.cards[pile.count] = card;
    ++pile.count;
    return true;
}

std::optional<CardRecord> PopCard(CardPile& pile) {
    if (pile.count == 0 || !GuardIndex(pile.count - 1, "PopCard")) return std::nullopt;
    --pile.count;
    return pile.cards[pile.count];
}

void RemoveCardById(CardPile& pile, uint8_t cardId) {
    const int index = IndexOfCardId(pile, cardId);
    if (index < 0) return;
    for (int i = index; i + 1 < pile.count; ++i) pile.cards[i] = pile.cards[i + 1];
    --pile.count;
}

std::optional<CardRecord> RemoveCardAt(CardPile& pile, int step, int index, bool keepAnchor,
                                       int column) {
    if (!GuardIndex(index, "RemoveCardAt") || !GuardColumn(column, "RemoveCardAt")) {
        return std::nullopt;
    }
    if (index >= pile.count) {
        ReportInternalError("RemoveCardAt: no card at index " + std::to_string(index));
        return std::nullopt;
    }
    const CardRecord removed = pile.cards[index];
    for (int i = index; i + 1 < pile.count; ++i) pile.cards[i] = pile.cards[i + 1];
    --pile.count;
    if (!keepAnchor) {
        pile.anchors[column].y -= kCardStep * step;
        for (int i = 0; i < pile.count; ++i) {
            CardRecord& card = pile.cards[i];
            if (card.x == removed.x && card.y * step > removed.y * step) card.y -= kCardStep * step;
        }
    }
    return removed;
}

void PlaceInColumnAt(CardPile& pile, bool downward, bool keepAnchor, int column,
                     CardRecord& card) {
    if (!GuardColumn(column, "PlaceInColumn")) return;
    Anchor& anchor = pile.anchors[column];
    card.x = anchor.x;
    if (!keepAnchor) anchor.y += downward ? kCardStep : -kCardStep;
    card.y = anchor.y;
}

void PlaceInColumn(CardPile& pile, bool downward, bool keepAnchor, CardRecord& card) {
    PlaceInColumnAt(pile, downward, keepAnchor, card.rank, card);
}

int IndexOfCardId(const CardPile& pile, uint8_t cardId) {
    for (int i = 0; i < pile.count; ++i)
        if (pile.cards[i].cardId == cardId) return i;
    return -1;
}

}  // namespace tavolex
