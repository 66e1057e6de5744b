// Every settings value the program keeps, with its type, its default and the numbers it
// accepts. The player list, the high scores and the match history have their own modules.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tavolex {

class SettingsStore;

enum class SettingType { Boolean, Integer, Text };

struct SettingKey {
    std::string path;
    SettingType type = SettingType::Integer;
    int64_t number = 0;  // the default of a boolean (0 or 1) or an integer
    std::string text;    // the default of a text
    // An integer outside these bounds reads as the default.
    int64_t low = std::numeric_limits<int32_t>::min();
    int64_t high = std::numeric_limits<int32_t>::max();
};

bool ReadBoolSetting(SettingsStore& store, const SettingKey& key);
int64_t ReadIntSetting(SettingsStore& store, const SettingKey& key);
std::string ReadTextSetting(SettingsStore& store, const SettingKey& key);

constexpr int64_t kSettingsVersion = 50001;

extern const SettingKey kVersionKey;
extern const SettingKey kBackgroundColorKey;
// Its default depends on the screen ("0,0," + the largest layout that fits): see resolution.h.
extern const SettingKey kResolutionKey;
extern const SettingKey kMouseOptionsKey;
extern const SettingKey kSelectPlayerKey;
extern const SettingKey kSoundKey;
extern const SettingKey kDelayKey;
extern const SettingKey kAutoSaveKey;
extern const SettingKey kHintShownKey;
extern const SettingKey kMusicFileKey;
extern const SettingKey kMusicDirKey;  // its default is the program folder
extern const SettingKey kMusicTypeKey;
extern const SettingKey kMusicKey;
extern const SettingKey kShowStatusbarKey;
extern const SettingKey kLevelKey;
extern const SettingKey kAggressionKey;
extern const SettingKey kCardMovementKey;
extern const SettingKey kCardSpeedKey;
extern const SettingKey kShowHighscoresKey;
extern const SettingKey kShowTurnsKey;
extern const SettingKey kChatOnTopKey;
// The chat window's position defaults to where the window is.
extern const SettingKey kChatLeftKey;
extern const SettingKey kChatTopKey;
extern const SettingKey kChatWidthKey;
extern const SettingKey kChatHeightKey;
extern const SettingKey kUsernameKey;  // its default is chosen by the lobby
extern const SettingKey kServerKey;
extern const SettingKey kPrivateLobbyRoomKey;
extern const SettingKey kGameTypeKey;
extern const SettingKey kPortKey;
extern const SettingKey kNetworkBackgroundColorKey;  // its default is the system window colour
extern const SettingKey kProxyServerKey;
extern const SettingKey kProxyPortKey;
extern const SettingKey kProxyUserKey;
extern const SettingKey kProxyPassKey;
// The base address of the web services: the game server's address, match reports, versions.
extern const SettingKey kWebServerKey;

extern const char* const kSingleRightClick;  // "Settings\Mouse Options": one right click
extern const char* const kDoubleRightClick;  // what the options dialog writes otherwise

// Card back n (0 or 1).
SettingKey CardbackColorKey(int n);
SettingKey CardbackTypeKey(int n);
SettingKey CardbackPatternKey(int n);
SettingKey CardbackFilenameKey(int n);
// The nine font values of window "Lobby" or "Chat".
std::vector<SettingKey> FontKeys(const std::string& window);

// Every key above, the rule options and both card backs' and windows' families, in one list.
std::vector<SettingKey> AllSettingKeys();

}  // namespace tavolex
