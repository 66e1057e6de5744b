// The remote player's moves, applied to the opponent side of the game with the computer's own
// hand routines.
#pragma once

namespace tavolex {

class Table;
struct PeerMessage;

// Applies one received move (the tokens from DEAL on; the handshake, chat and rules are the
// match's). False, with nothing changed, for a move that could only break the game.
bool ApplyRemoteMove(Table& table, const PeerMessage& message);

// Whether the remote player has gone out: an empty hand with the canastas to go out, no pile
// take pending, and melds that stand.
bool OpponentWentOut(const Table& table);

// Puts the remote player's hand, melds, tally, meld points and the discard pile back as they were
// before its pile take began (an undone take, or one a lost connection left unfinished).
void ReturnOpponentsTake(Table& table);

}  // namespace tavolex
