// What the "Customize Tavolex" dialog edits, how its controls map onto the stored values, and
// which controls are open to change.
#pragma once

#include <cstdint>

namespace tavolex {

class SettingsStore;
class Table;
struct StartupSettings;

enum CustomizePage : int { kScreenPage = 0, kPlayersPage = 1, kLevelPage = 2, kGeneralPage = 3 };

struct CustomizeSettings {
    int64_t BackgroundColor = 32768;  // as stored: red in the low byte, then green, then blue
    bool ShowStatusbar = true;
    bool ShowTurns = true;
    bool ShowHighscores = true;
    int Resolution = 0;  // layout index 0..3; the window stores it on exit
    // kBeginner, kAdvanced or kExpert; in a network game, the level kept for afterwards.
    uint8_t Level = 0;
    int32_t Aggression = 50;    // percent
    uint8_t DiscardOption = 0;  // 0 one right click discards, 1 two
    int32_t Delay = 300;        // the computer's melding delay in milliseconds
    bool CardMovement = true;
    int32_t CardSpeed = 10;  // 0..10
    bool AutoSave = true;
    bool SelectPlayerOnStartup = true;

    bool operator==(const CustomizeSettings&) const = default;
};

constexpr int kSliderMaximum = 10;
constexpr int kAggressionMaximum = 100;
constexpr const char* kLevelLockText =
    "The level cannot be changed now, because a game is in progress. Press OK and then F2 to "
    "start a new game. The current game will be aborted.";

// The "Computer &Melding" slider: position p stands for (10 - p) x 150 ms; a stored delay that
// is no step of it shows at the nearest position below, within the slider's range.
int DelaySliderPosition(int32_t delay);
int32_t DelayOfSliderPosition(int position);

bool WindowSizeAvailable(int resolution, int largestLayout);
// Once the player has acted in the game, or in a network game, the level stays as it is.
bool LevelLocked(bool gameInProgress, bool networkGame);
// The aggressiveness is only the Expert's, and only open while the level is.
bool AggressionEnabled(uint8_t chosenLevel, bool levelLocked);

// Writes what OK stores. The window size is not among them (the window stores it on exit), nor
// is the level in a network game.
void StoreCustomizeSettings(SettingsStore& store, const CustomizeSettings& values,
                            bool networkGame);
// The values as the window read them at start-up, at the layout it placed itself in.
CustomizeSettings CustomizeSettingsFrom(const StartupSettings& startup, int resolution);
// The engine's share of applying them: the computer's level outside a network game, its
// aggressiveness and delay, the discard option, the turn notices; and with autosave off, the
// autosave file goes.
void ApplyCustomizeSettings(Table& table, const CustomizeSettings& values);

}  // namespace tavolex
