// The player's actions as tavolex-cli names them, carried out through the table window's
// gestures: "draw", "take", "meld:heart5", "wild:7", "discard:joker", "key:F8", ...
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavolex {
class Table;
}

namespace tavolex::cli {

enum class ActionKind {
    Draw,
    Take,
    Meld,
    MeldShift,
    MeldCtrl,
    Wild,
    WildShift,
    Discard,
    DiscardRedThree,
    Undo,
    UndoAll,
    EndHand,
    Key,
};

struct PlayerAction {
    ActionKind kind = ActionKind::Draw;
    std::string text;    // as written
    uint8_t cardId = 0;  // the card a meld or discard clicks
    int column = -1;     // the meld column a wild card goes onto
    int key = 0;
    bool ctrl = false;  // the key is pressed with Ctrl
};

std::optional<PlayerAction> ParseAction(const std::string& text);

// Carries the action out as the window would: a click on its target, a key, a menu command or
// the End Hand button. False when the target is not on the table (no such card in the hand, no
// meld in that column); nothing happens then.
bool ApplyAction(Table& table, const PlayerAction& action);

}  // namespace tavolex::cli
