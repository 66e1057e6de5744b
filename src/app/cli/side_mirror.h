// Lets the computer's procedures play the player's side. For as long as a SideMirror lives the
// two sides of the table have changed places: hands, melds (each column staying in its place,
// the rows turned over), tallies, scores, meld points, and what each side's computer remembers
// and knows of the other's cards. The computer then plays "the opponent" and sees only what
// that side may see; the destructor puts everything back.
#pragma once

#include <cstdint>

#include "game/computer_memory.h"
#include "game/table.h"

namespace tavolex::cli {

class SideMirror {
  public:
    // playerSideMemory: what the player's side's computer remembers between its turns.
    SideMirror(Table& table, ComputerMemory& playerSideMemory);
    ~SideMirror();
    SideMirror(const SideMirror&) = delete;
    SideMirror& operator=(const SideMirror&) = delete;

  private:
    // Exchanges the parts both sides have; its own inverse.
    void Exchange();

    Table& table_;
    ComputerMemory& playerSideMemory_;
    // The parts only one side keeps: the opponent's meld points and the player's minimum.
    int32_t opponentMeldPoints_ = 0;
    int32_t playerMinimum_ = 0;
};

}  // namespace tavolex::cli
