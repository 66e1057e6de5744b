#include "game/opponent_reveal.h"

#include "game/table.h"

namespace tavolex {

namespace {
// The row's step switches between 10 and 12 pixels.
constexpr int kOverlapSum = 22;
}  // namespace

void ToggleOpponentHandReveal(Table& table) {
    GameState& state = table.state;
    state.OpponentFaceUp = state.OpponentFaceUp ? 0 : 1;
    for (int i = 0; i < state.OpponentHand.count; ++i) {
        state.OpponentHand.cards[i].faceUp = state.OpponentFaceUp;
    }
    state.HandOverlap = static_cast<uint8_t>(kOverlapSum - state.HandOverlap);
    table.RepaintOpponentHandRow();
}

}  // namespace tavolex
