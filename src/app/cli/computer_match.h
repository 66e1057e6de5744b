// Computer against computer: a level on each side of the table, whole matches to 5000.
//
// The player's side is played by the very procedures that play the opponent: for its turn the
// sides change places (SideMirror) and the computer plays "the opponent". The end-of-hand check
// and the scoring wait until the table is itself again; each side's turn is otherwise played
// exactly as the game plays the computer's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/cli/lay_down_audit.h"
#include "computer/computer_turn.h"
#include "table/headless_game.h"

namespace tavolex::cli {

enum Side { kPlayerSide = 0, kOpponentSide = 1 };

struct SideRecord {
    uint8_t level = kBeginner;
    RefusedLayDowns refused;
    long turns = 0;
    double turnSeconds = 0;
    long handsWon = 0;
    long matchesWon = 0;
};

// The parts a hand's score is made of, as the score details show them.
enum ScorePart { kMeldsPart, kCardsLeftPart, kCanastasPart, kRedThreesPart, kGoingOutPart };
constexpr int kScoreParts = 5;

// A mean and its spread kept as the values come, so a run of any length keeps no list of them.
struct RunningMean {
    long count = 0;
    double mean = 0;
    double squares = 0;  // sum of squared deviations from the mean
    void Add(double value);
};

// What a run has played so far, the player's side minus the opponent's: nothing in it grows
// with the number of hands.
struct RunTally {
    long hands = 0;
    long matches = 0;
    RunningMean margin;
    std::array<RunningMean, kScoreParts> parts;
    uint64_t checksum = 14695981039346656037ull;  // of every hand's totals and match margin
};

class ComputerMatch : public GameFlow, public OpponentPlayer {
  public:
    ComputerMatch(HeadlessGame& game, uint8_t playerLevel, uint8_t opponentLevel);
    ~ComputerMatch() override;

    // Plays until that many matches are over (each answered Yes to play another); the reason
    // when play cannot go on.
    std::optional<std::string> PlayMatches(int matches);

    const RunTally& tally() const { return tally_; }
    const SideRecord& side(Side side) const { return sides_[side]; }

    // GameFlow: the check waits while a side's turn runs.
    bool EndOfHandCheck() override;
    void StartOpponentTurn() override { PlaySide(kOpponentSide); }
    void DealHand(bool firstOfRun) override;
    // OpponentPlayer: the opponent's side, and a new hand for the player's side's memory too.
    void PlayTurn(Table&) override { PlaySide(kOpponentSide); }
    void ResetHandMemory() override { playerSideMemory_.ResetHand(); }

  private:
    void PlaySide(Side side);
    void CollectResults();

    HeadlessGame& game_;
    ComputerOpponent computer_;
    ComputerMemory playerSideMemory_;
    std::array<SideRecord, 2> sides_;
    bool turnRunning_ = false;
    RunTally tally_;
};

}  // namespace tavolex::cli
