// The player's keys on the table: keyboard play turned into the same clicks as the mouse's.
#pragma once

#include <optional>

#include "table/gestures.h"

namespace tavolex {

class Table;

// Key codes as the table window passes them: digits and letters are their upper-case character
// codes ('0'..'9', 'A'..'Z'), the others the platform's virtual-key numbers.
enum KeyCode : int {
    kKeyEscape = 27,
    kKeyF6 = 117,
    kKeyF7 = 118,
    kKeyF8 = 119,
    kKeyF9 = 120,
    kKeyF10 = 121,
    kKeyF11 = 122,
};

// The rank column a key selects in keyboard play: "2".."9", "0" for the tens, "J", "Q", "K",
// "A", and "W" for the jokers' column.
std::optional<int> ColumnOfRankKey(int key);

// The table window's key-down. True when the key was used; the window passes the others on
// (in a network game, to the chat).
bool PlayerKeyDown(Table& table, int key, ShiftState shiftState);

}  // namespace tavolex
