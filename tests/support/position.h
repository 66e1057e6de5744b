// Builds table positions from readable text, so a scenario reads like the situation it checks.
//
// Cards are written by name ("heart5", "spadeb", "club10", "joker"), separated by blanks. The
// two copies of a card (four of the joker) are given out deck by deck; BuildPosition fills the
// stock with the rest of the pack, so every position holds exactly 108 cards.
//
// Meld areas are written as columns separated by "|": "heart5 club5 joker | spadek clubk
// diamondk". A column goes under the rank of its first natural card (a three: column 2, wild
// cards only: column 1), and a column of seven or more is squared as a canasta.
#pragma once

#include <string>
#include <vector>

#include "table/headless_game.h"

namespace tavolex::test {

struct Position {
    std::string playerHand;
    std::string playerMelds;
    std::string opponentHand;
    std::string opponentMelds;
    std::string discardPile;  // bottom first, the top card last
    std::string stock;        // cards on top of the stock, the top card last; the rest below
    bool playerHasDrawn = true;  // the player is to meld or discard (else: to draw)
    int playerScore = 0;
    int opponentScore = 0;
    bool pileFrozen = false;
};

// Sets up the game's table to the position, with the rule options already in the table kept.
void BuildPosition(HeadlessGame& game, const Position& position);
// The same on any table (a window's); what its seams were asked meanwhile stays recorded.
void BuildPosition(Table& table, const Position& position);

// The names of a pile's cards in pile order, blank-separated (for readable expectations).
std::string Names(const CardPile& pile);
// Index of the first card of that name in a pile, -1 when there is none.
int IndexOf(const CardPile& pile, const std::string& name);
// The table's invariants (every card of the pack once, columns and tallies in order); empty when
// they hold, else what is wrong.
std::string CheckPackInvariant(HeadlessGame& game);
// The y of every card in one column of a meld pile, in pile order.
std::vector<int> ColumnYs(const CardPile& melds, const TableLayout& layout, int column);

}  // namespace tavolex::test
