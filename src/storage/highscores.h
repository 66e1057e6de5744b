// The high-score tables: for each level one of hand margins and one of match margins.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavolex {

class SettingsStore;

constexpr int kHighscoreLevels = 4;  // Beginner, Advanced, Expert, NetworkGame
constexpr int kHighscoreKinds = 2;   // hand, match
constexpr int kHighscoreRows = 10;

// "Beginner", "Advanced", "Expert", "NetworkGame", indexed by the computer level (3 for a
// network game).
extern const char* const kLevelNames[kHighscoreLevels];

struct HighscoreEntry {
    int32_t Score = 0;  // the margin, never negative
    std::string Date;
    std::string Name;

    bool operator==(const HighscoreEntry&) const = default;
};

struct HighscoreTable {
    std::array<HighscoreEntry, kHighscoreRows> Entries;

    // Enters a margin where it ranks, below any equal score; the row it took (0..9), or -1
    // when it does not beat the last row.
    int Enter(int32_t score, const std::string& date, const std::string& name);
    bool operator==(const HighscoreTable&) const = default;
};

// Every table, by level (0..3) and kind (0 hand, 1 match).
using Highscores = std::array<std::array<HighscoreTable, kHighscoreKinds>, kHighscoreLevels>;

// The subkey of a table: the level name, with "Match" appended for the match table.
std::string HighscoreSubkey(int level, int kind);

// A damaged score (text, negative, too large) reads as 0; texts are cut to 255 characters.
HighscoreTable LoadHighscoreTable(SettingsStore& store, int level, int kind);
Highscores LoadHighscores(SettingsStore& store);
// Writes all ten rows.
void SaveHighscoreTable(SettingsStore& store, int level, int kind, const HighscoreTable& table);
// Empties the table and deletes its stored values.
void ClearHighscoreTable(SettingsStore& store, int level, int kind, HighscoreTable& table);

}  // namespace tavolex
