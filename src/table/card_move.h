// How a card's visible move is paced.
#pragma once

namespace tavolex {

// 100 / (speed + 1), rounded to the nearest whole number with ties to even: 9 steps at speed 10,
// 12 at speed 7, 100 at speed 0. Speeds outside 0..10 are taken as the nearest end.
int CardMoveSteps(int cardSpeed);

// How long the whole move lasts, so a person can follow it: 250 ms at speed 10, growing evenly
// to 1 s at speed 0. Speeds outside 0..10 are taken as the nearest end.
int CardMoveMilliseconds(int cardSpeed);

}  // namespace tavolex
