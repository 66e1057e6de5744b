// Going out, the must-pass rule and the scoring of a finished hand.
#pragma once

#include <cstdint>

#include "game/hand_result.h"

namespace tavolex {

class Table;

// The initial-meld minimum for a match total.
int32_t MinimumForScore(int32_t total);

bool MustPassTest(Table& table);
void MustPass(Table& table);
// Runs MustPass when MustPassTest says so; true when the player had to pass.
bool RunMustPassTest(Table& table);

struct HandScores {
    HandResult player;
    HandResult opponent;
};
// Scores both sides, adds the totals to the match scores, plays the hand's sound and shows the
// result dialogs.
HandScores ScoreHand(Table& table);

}  // namespace tavolex
