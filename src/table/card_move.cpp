#include "table/card_move.h"

#include <algorithm>
#include <cmath>

namespace tavolex {

namespace {
constexpr int kSlowestMoveMilliseconds = 1000;
constexpr int kFastestMoveMilliseconds = 250;
constexpr int kFastestSpeed = 10;

int ClampedSpeed(int cardSpeed) {
    return std::clamp(cardSpeed, 0, kFastestSpeed);
}
}  // namespace

int CardMoveSteps(int cardSpeed) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<int>(std::nearbyint(100.0 / (ClampedSpeed(cardSpeed) + 1)));
}

int CardMoveMilliseconds(int cardSpeed) {
    return kSlowestMoveMilliseconds - (kSlowestMoveMilliseconds - kFastestMoveMilliseconds) *
                                          ClampedSpeed(cardSpeed) / kFastestSpeed;
}

}  // namespace tavolex
