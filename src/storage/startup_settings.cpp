#include "storage/startup_settings.h"

#include "game/settings_store.h"
#include "storage/settings_keys.h"

namespace tavolex {

uint8_t ComputerLevelFromText(const std::string& text) {
    if (text == kLevelNames[0]) return 0;
    if (text == kLevelNames[1]) return 1;
    return 2;
}

// In the order the window reads them at creation.
StartupSettings ReadStartupSettings(SettingsStore& store, const std::string& programFolder) {
    StartupSettings s;
    s.BackgroundColor = ReadIntSetting(store, kBackgroundColorKey);
    s.DiscardOption = ReadTextSetting(store, kMouseOptionsKey) != kSingleRightClick;
    s.SelectPlayerOnStartup = ReadBoolSetting(store, kSelectPlayerKey);
    s.players = LoadPlayers(store);
    s.Rules = LoadRuleOptions(store);
    s.Sound = ReadBoolSetting(store, kSoundKey);
    s.Delay = static_cast<int32_t>(ReadIntSetting(store, kDelayKey));
    s.AutoSave = ReadBoolSetting(store, kAutoSaveKey);
    s.HintShown = ReadBoolSetting(store, kHintShownKey);
    s.MusicFile = ReadTextSetting(store, kMusicFileKey);
    s.MusicDir = ReadText(store, kMusicDirKey.path, programFolder);
    s.MusicType = static_cast<int>(ReadIntSetting(store, kMusicTypeKey));
    s.Music = ReadBoolSetting(store, kMusicKey);
    s.ShowStatusbar = ReadBoolSetting(store, kShowStatusbarKey);
    s.ComputerLevel = ComputerLevelFromText(ReadTextSetting(store, kLevelKey));
    s.Aggression = static_cast<int32_t>(ReadIntSetting(store, kAggressionKey));
    s.CardMovement = ReadBoolSetting(store, kCardMovementKey);
    s.CardSpeed = static_cast<int>(ReadIntSetting(store, kCardSpeedKey));
    s.ShowHighscores = ReadBoolSetting(store, kShowHighscoresKey);
    s.ShowTurns = ReadBoolSetting(store, kShowTurnsKey);
    s.highscores = LoadHighscores(store);
    s.ChatOnTop = ReadBoolSetting(store, kChatOnTopKey);
    return s;
}

}  // namespace tavolex
