// The player's mouse on the table: each gesture and the operation it calls.
#pragma once

namespace tavolex {

class Table;

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool shift = false;
    bool ctrl = false;
};

// The table window's mouse-up at a point of the table. Ignored while the opponent is to move
// and once the hand is over.
void PlayerClick(Table& table, MouseButton button, ShiftState shiftState, int x, int y);

// The hand index of the card a first right click has armed for discarding, -1 none.
int ArmedDiscardCard(const Table& table);
// Any action but the second right click lets the armed card go: hand indices may change.
void DisarmDiscard(Table& table);

}  // namespace tavolex
