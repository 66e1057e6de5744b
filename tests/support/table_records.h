// What a headless table shows and sent its peer, written as text so that one expectation
// compares it whole and a failure shows all of it.
#pragma once

#include <string>

#include "game/status_texts.h"
#include "network/peer_message.h"
#include "table/headless_game.h"

namespace tavolex::test {

// The words of the messages sent, oldest first and blank-separated; each followed by ":" and
// its parameters when they are asked for.
inline std::string Sent(const HeadlessPeer& peer, bool withParameters = false) {
    std::string text;
    for (const HeadlessPeer::Sent& sent : peer.sent) {
        if (!text.empty()) text += ' ';
        text += kTokenWords.at(sent.token);
        if (withParameters) text += ":" + sent.parameters;
    }
    return text;
}

// "player draws" while the table waits for the player's draw (its prompt up, the table
// unlocked, the opponent idle); otherwise the prompt, the lock and the opponent's phase.
inline std::string Turn(const GameState& state) {
    if (state.Prompt == kPromptDraw && state.PlayerLocked == 0 &&
        state.OpponentPhase == kOpponentIdle)
        return "player draws";
    return "prompt " + std::to_string(state.Prompt) + " locked " +
           std::to_string(state.PlayerLocked) + " phase " + std::to_string(state.OpponentPhase);
}

}  // namespace tavolex::test
