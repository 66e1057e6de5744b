// Random play of the player's side, legal and illegal, and the run that checks the table after
// every action. The command line's monkey and the tests share it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/player_actions.h"
#include "table/headless_game.h"

namespace tavolex::cli {

struct RandomRunReport {
    int hands = 0;
    long actions = 0;  // played in the whole run
    std::optional<std::string> violation;
    std::vector<std::string> handActions;  // those of the hand being played, in order
    size_t mostRecords = 0;                // the most the seams held at once
};

struct CheckedAction {
    std::string text;                      // as the command line names it
    std::optional<std::string> violation;  // what broke, if anything

    // The violation with the action that caused it.
    std::optional<std::string> Fault() const {
        if (!violation) return std::nullopt;
        return "after " + text + ": " + *violation;
    }
};

// Plays one random action (every kind with the same chance, its card one of the hand's, its
// column one of the player's melds, all drawn from the table's one generator) and checks the
// table after it: a card lost or doubled, a card outside its column, a tally that disagrees
// with its columns, a refused action (one that beeped) that changed the game, incorrect melds
// that no undo can put right, or an internal error.
CheckedAction PlayRandomAction(HeadlessGame& game);

// Starts a new game and plays random actions until that many hands are over or something breaks,
// the player left unable to act included. The opponent is whoever the game has seated. What the
// seams record is emptied after every action, so a run of any length holds the same memory;
// afterHand sees the report after every hand.
RandomRunReport PlayRandomHands(HeadlessGame& game, int hands,
                                const std::function<void(const RandomRunReport&)>& afterHand = {});

}  // namespace tavolex::cli
