// The named local players with their win/loss records, as stored and as the Players page
// edits them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavolex {

class SettingsStore;
class Dialogs;

struct TWinRatio {
    int32_t Wins = 0;
    int32_t Losses = 0;

    bool operator==(const TWinRatio&) const = default;
};

struct PlayerEntry {
    std::string Name;
    TWinRatio Ratio;

    bool operator==(const PlayerEntry&) const = default;
};

using PlayerList = std::vector<PlayerEntry>;

// The list with the index of the current player (-1 when none is current).
struct Players {
    PlayerList List;
    int CurrentPlayer = -1;

    // Empty when no player is current.
    std::string CurrentName() const;
    bool operator==(const Players&) const = default;
};

extern const char* const kPlayerNamesKey;  // "Player Names"
extern const char* const kNoCommasText;    // the refusal of a name with a comma
extern const char* const kNoPlayersText;   // the Win Ratio command without players

// Entry 1 becomes current. A damaged entry reads as well as it can: counters that are not
// whole non-negative numbers read as 0, an entry without a name is skipped.
Players LoadPlayers(SettingsStore& store);
// Rewrites the list with the current player first.
void SavePlayers(SettingsStore& store, const Players& players);

// The ratio in whole percent, rounded half to even, or "?" before the first match.
std::string WinRatioText(const TWinRatio& ratio);

// Players-page operations on the dialog's copy. Each refuses an index out of range or a name
// with a comma by returning false and changing nothing.
bool NameAllowed(const std::string& name);
bool AddPlayer(Players& players, const std::string& name);
bool RenamePlayer(Players& players, int index, const std::string& name);
bool DeletePlayer(Players& players, int index);
bool ResetPlayerStats(Players& players, int index);
bool SetCurrentPlayer(Players& players, int index);

// The texts of the Players page and the Win Ratio dialog.
extern const char* const kNewPlayerCaption;
extern const char* const kNewPlayerPrompt;
extern const char* const kRenamePlayerCaption;
extern const char* const kRenamePlayerPrompt;
std::string DeletePlayerQuestion(const std::string& name);
std::string ResetStatsQuestion(const std::string& name);

// The same operations as the page's buttons run them: the input box or the question first,
// then the change; a name with a comma gets the refusal message. True when something changed.
bool AskNewPlayer(Players& players, Dialogs& dialogs);
bool AskRenamePlayer(Players& players, int index, Dialogs& dialogs);
bool AskDeletePlayer(Players& players, int index, Dialogs& dialogs);
bool AskResetPlayerStats(Players& players, int index, Dialogs& dialogs);

// Adds a finished match to the current player's record (a draw counts for neither side).
void CountMatchResult(Players& players, int playerScore, int opponentScore);

}  // namespace tavolex
