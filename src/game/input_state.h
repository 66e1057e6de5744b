// What the table window remembers between the player's mouse and key events.
#pragma once

#include <cstdint>

namespace tavolex {

enum KeyboardModeCode : uint8_t { kKeyboardMeld = 0, kKeyboardDiscard = 1, kKeyboardWild = 2 };

struct InputState {
    // A gesture is running; input that arrives while its pauses let events through is ignored.
    uint8_t Busy = 0;
    int32_t RightClickCard = -1;  // hand index of the card right-clicked last, -1 none
    uint8_t RightClickCount = 0;
    uint8_t KeyboardMode = kKeyboardMeld;
};

}  // namespace tavolex
