// What a point of the table window lies on, for the player's mouse.
#pragma once

namespace tavolex {

class Table;

enum class HitTarget {
    Nothing,
    Stock,
    DiscardPile,
    HandCard,
    HandWildCard,
    MeldCard,
    ThreesColumn
};

struct Hit {
    HitTarget target = HitTarget::Nothing;
    int index = -1;  // the card's index in PlayerHand or PlayerMelds
};

// The first match wins: the stock (while not exhausted), the discard pile, the player's hand in
// pile order, then the player's melds. Nothing is hit while the hand is over.
Hit HitTest(const Table& table, int x, int y);

}  // namespace tavolex
