// An opponent for tests: plays a plain legal turn with no judgement at all, so a test can let
// the hand move on without a computer level.
#pragma once

#include "game/table.h"

namespace tavolex::test {

// Draws from the stock, discards its first card that is not a red three (or asks to end the
// hand once the stock is empty), and hands the turn back as every computer turn must.
class ScriptedOpponent : public OpponentPlayer {
  public:
    void PlayTurn(Table& table) override;
    int turnsPlayed = 0;
};

}  // namespace tavolex::test
