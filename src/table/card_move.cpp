#include "table/card_move.h"

#include <algorithm>
#include <cmath>

namespace tavolex {

int CardMoveSteps(int cardSpeed) {
    const int speed = std::clamp(cardSpeed, 0, 10);
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<int>(std::nearbyint(100.0 / (speed + 1)));
}

}  // namespace tavolex
