// The players' records that the end of a hand and of a match update.
#pragma once

#include <string>

namespace tavolex {

enum HighscoreKind : int { kHandHighscore = 0, kMatchHighscore = 1 };

class Statistics {
public:
    virtual ~Statistics() = default;
    // The current player's name, empty when none is selected.
    virtual std::string CurrentPlayerName() = 0;
    virtual void EnterHighscore(int kind, int margin) = 0;
    // Counts the win or loss, adds the match-history entry and saves the players.
    virtual void RecordMatchResult(int playerScore, int opponentScore) = 0;
};

}  // namespace tavolex
