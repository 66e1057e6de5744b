// The player's turn actions after the deal: drawing, discarding and End Hand.
#pragma once

namespace tavolex {

class Table;

// A click on the stock: draws one or two cards, red threes laid out and replaced.
void DrawFromStock(Table& table);
// Discards the hand card at handIndex.
void DiscardFromHand(Table& table, int handIndex);
// Discards the red three at meldIndex of PlayerMelds (with ThreeBlock on).
void DiscardRedThreeFromMelds(Table& table, int meldIndex);
// The End Hand button.
void EndHandPressed(Table& table);

}  // namespace tavolex
