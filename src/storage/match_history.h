// The texts of the last hundred matches, newest first.
#pragma once

#include <string>
#include <vector>

namespace tavolex {

class SettingsStore;

constexpr int kMatchHistorySize = 100;

// The stored texts, newest first, without the empty ones.
std::vector<std::string> LoadMatchHistory(SettingsStore& store);
// Writes text as the newest entry; every older one moves down a place and the oldest of the
// hundred is lost.
void RecordMatchHistory(SettingsStore& store, const std::string& text);
// "date: player - opponent: 3200 - 2100, winner: player"; "Draw" when the scores are equal.
std::string MatchHistoryText(const std::string& dateTime, const std::string& playerName,
                             const std::string& opponentName, int playerScore, int opponentScore);

}  // namespace tavolex
