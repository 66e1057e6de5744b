#include "options/customize_settings.h"

#include <algorithm>

#include "game/settings_store.h"
#include "game/table.h"
#include "storage/highscores.h"
#include "table/end_of_hand.h"

namespace tavolex {

namespace {

constexpr int32_t kDelayStep = 150;

}  // namespace

int DelaySliderPosition(int32_t delay) {
    return std::clamp(kSliderMaximum - delay / kDelayStep, 0, kSliderMaximum);
}

int32_t DelayOfSliderPosition(int position) {
    return (kSliderMaximum - std::clamp(position, 0, kSliderMaximum)) * kDelayStep;
}

bool WindowSizeAvailable(int resolution, int largestLayout) {
    return resolution <= largestLayout;
}

bool LevelLocked(bool gameInProgress, bool networkGame) {
    return gameInProgress || networkGame;
}

bool AggressionEnabled(uint8_t chosenLevel, bool levelLocked) {
    return chosenLevel == kExpert && !levelLocked;
}

void StoreCustomizeSettings(SettingsStore& store, const CustomizeSettings& values,
                            bool networkGame) {
    store.WriteValue("Settings\\Background Color", values.BackgroundColor);
    if (!networkGame)
        store.WriteValue("Settings\\Level",
                         std::string(kLevelNames[std::min<int>(values.Level, kExpert)]));
    store.WriteValue("Settings\\Aggression", int64_t{values.Aggression});
    store.WriteValue(
        "Settings\\Mouse Options",
        std::string(values.DiscardOption == 0 ? "Single Right Click" : "Double Right Click"));
    store.WriteValue("Settings\\Delay", int64_t{values.Delay});
    WriteBool(store, "Settings\\AutoSave", values.AutoSave);
    WriteBool(store, "Settings\\Show Statusbar", values.ShowStatusbar);
    WriteBool(store, "Settings\\Card Movement", values.CardMovement);
    store.WriteValue("Settings\\Card Speed", int64_t{values.CardSpeed});
    WriteBool(store, "Settings\\Show Highscores", values.ShowHighscores);
    WriteBool(store, "Settings\\Show Turns", values.ShowTurns);
    WriteBool(store, "Settings\\Select Player on startup", values.SelectPlayerOnStartup);
}

void ApplyCustomizeSettings(Table& table, const CustomizeSettings& values) {
    if (!table.NetworkActive) {
        table.ComputerLevel = values.Level;
        table.SavedComputerLevel = values.Level;
    }
    table.Aggression = values.Aggression;
    table.DiscardOption = values.DiscardOption;
    table.MeldDelay = values.Delay;
    table.ShowTurns = values.ShowTurns;
    if (!values.AutoSave) DeleteAutosave(table);
}

}  // namespace tavolex
