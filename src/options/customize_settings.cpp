#include "options/customize_settings.h"

#include <algorithm>

#include "game/settings_store.h"
#include "game/table.h"
#include "storage/highscores.h"
#include "storage/settings_keys.h"
#include "storage/startup_settings.h"
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
    const auto writeBool = [&store](const SettingKey& key, bool value) {
        WriteBool(store, key.path, value);
    };
    store.WriteValue(kBackgroundColorKey.path, values.BackgroundColor);
    if (!networkGame)
        store.WriteValue(kLevelKey.path,
                         std::string(kLevelNames[std::min<int>(values.Level, kExpert)]));
    store.WriteValue(kAggressionKey.path, int64_t{values.Aggression});
    store.WriteValue(
        kMouseOptionsKey.path,
        std::string(values.DiscardOption == 0 ? kSingleRightClick : kDoubleRightClick));
    store.WriteValue(kDelayKey.path, int64_t{values.Delay});
    writeBool(kAutoSaveKey, values.AutoSave);
    writeBool(kShowStatusbarKey, values.ShowStatusbar);
    writeBool(kCardMovementKey, values.CardMovement);
    store.WriteValue(kCardSpeedKey.path, int64_t{values.CardSpeed});
    writeBool(kShowHighscoresKey, values.ShowHighscores);
    writeBool(kShowTurnsKey, values.ShowTurns);
    writeBool(kSelectPlayerKey, values.SelectPlayerOnStartup);
}

CustomizeSettings CustomizeSettingsFrom(const StartupSettings& startup, int resolution) {
    CustomizeSettings values;
    values.BackgroundColor = startup.BackgroundColor;
    values.ShowStatusbar = startup.ShowStatusbar;
    values.ShowTurns = startup.ShowTurns;
    values.ShowHighscores = startup.ShowHighscores;
    values.Resolution = resolution;
    values.Level = startup.ComputerLevel;
    values.Aggression = startup.Aggression;
    values.DiscardOption = startup.DiscardOption;
    values.Delay = startup.Delay;
    values.CardMovement = startup.CardMovement;
    values.CardSpeed = startup.CardSpeed;
    values.AutoSave = startup.AutoSave;
    values.SelectPlayerOnStartup = startup.SelectPlayerOnStartup;
    return values;
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
