// The end of a hand and of the match.
#pragma once

#include <string>

namespace tavolex {

class Table;

constexpr int kMatchTarget = 5000;

// Deletes "autosave.tvx" in the program's folder (nothing without a folder).
void DeleteAutosave(const Table& table);
// True when the hand ended (it was scored and the next hand dealt or the match ended).
bool EndOfHandCheck(Table& table);
// The game-over comment for a match margin (player's total minus the opponent's).
std::string MatchComment(int margin, const std::string& playerName,
                         const std::string& opponentSentenceName);

}  // namespace tavolex
