#include "storage/settings_keys.h"

#include "game/rule_options.h"
#include "game/settings_store.h"

namespace tavolex {

namespace {

constexpr int64_t kMaxColour = 0xFFFFFF;

SettingKey Flag(std::string path, bool value) {
    return {std::move(path), SettingType::Boolean, value ? 1 : 0, {}, 0, 1};
}

SettingKey Number(std::string path, int64_t value,
                  int64_t low = std::numeric_limits<int32_t>::min(),
                  int64_t high = std::numeric_limits<int32_t>::max()) {
    return {std::move(path), SettingType::Integer, value, {}, low, high};
}

SettingKey Colour(std::string path, int64_t value) {
    return Number(std::move(path), value, 0, kMaxColour);
}

SettingKey Text(std::string path, std::string value) {
    return {std::move(path), SettingType::Text, 0, std::move(value)};
}

}  // namespace

bool ReadBoolSetting(SettingsStore& store, const SettingKey& key) {
    return ReadBool(store, key.path, key.number != 0);
}

int64_t ReadIntSetting(SettingsStore& store, const SettingKey& key) {
    const int64_t value = ReadInt(store, key.path, key.number);
    return value < key.low || value > key.high ? key.number : value;
}

std::string ReadTextSetting(SettingsStore& store, const SettingKey& key) {
    return ReadText(store, key.path, key.text);
}

const char* const kSingleRightClick = "Single Right Click";
const char* const kDoubleRightClick = "Double Right Click";

const SettingKey kVersionKey = Number("Settings\\Version", 0);
const SettingKey kBackgroundColorKey = Colour("Settings\\Background Color", 32768);
const SettingKey kResolutionKey = Text("Settings\\Resolution", "");
const SettingKey kMouseOptionsKey = Text("Settings\\Mouse Options", kSingleRightClick);
const SettingKey kSelectPlayerKey = Flag("Settings\\Select Player on startup", true);
const SettingKey kSoundKey = Flag("Settings\\Sound", true);
// The options dialog stores at most 1500; a longer pause would stall the game.
const SettingKey kDelayKey = Number("Settings\\Delay", 300, 0, 10000);
const SettingKey kAutoSaveKey = Flag("Settings\\AutoSave", true);
const SettingKey kHintShownKey = Flag("Settings\\Hint Shown", false);
const SettingKey kMusicFileKey = Text("Music\\File", "ARCADIA.MID");
const SettingKey kMusicDirKey = Text("Music\\Dir", "");
const SettingKey kMusicTypeKey = Number("Settings\\Music Type", 1, 0, 1);
const SettingKey kMusicKey = Flag("Settings\\Music", false);
const SettingKey kShowStatusbarKey = Flag("Settings\\Show Statusbar", true);
const SettingKey kLevelKey = Text("Settings\\Level", "Beginner");
const SettingKey kAggressionKey = Number("Settings\\Aggression", 50, 0, 100);
const SettingKey kCardMovementKey = Flag("Settings\\Card Movement", true);
const SettingKey kCardSpeedKey = Number("Settings\\Card Speed", 10, 0, 10);
const SettingKey kShowHighscoresKey = Flag("Settings\\Show Highscores", true);
const SettingKey kShowTurnsKey = Flag("Settings\\Show Turns", true);
const SettingKey kChatOnTopKey = Flag("Network\\Chat on Top", true);
const SettingKey kChatLeftKey = Number("Chat\\Left", 0);
const SettingKey kChatTopKey = Number("Chat\\Top", 0);
const SettingKey kChatWidthKey = Number("Chat\\Width", 429, 1);
const SettingKey kChatHeightKey = Number("Chat\\Height", 108, 1);
const SettingKey kUsernameKey = Text("Network\\Username", "");
const SettingKey kServerKey = Text("Network\\Server", "");
const SettingKey kPrivateLobbyRoomKey = Text("Network\\PrivateLobbyRoom", "");
const SettingKey kGameTypeKey = Number("Network\\GameType", 0);
const SettingKey kPortKey = Number("Network\\Port", 0, 0, 65535);
const SettingKey kNetworkBackgroundColorKey = Colour("Network\\Background Color", 0xFFFFFF);
const SettingKey kProxyServerKey = Text("Network\\ProxyServer", "");
const SettingKey kProxyPortKey = Text("Network\\ProxyPort", "");
const SettingKey kProxyUserKey = Text("Network\\ProxyUser", "");
const SettingKey kProxyPassKey = Text("Network\\ProxyPass", "");
// The local server's web service answers here; a player may point the game at any other.
const SettingKey kWebServerKey = Text("Network\\WebServer", "http://localhost:8080");

SettingKey CardbackColorKey(int n) {
    return Colour("Cardback\\Color" + std::to_string(n), n == 0 ? 128 : 16512);
}

SettingKey CardbackTypeKey(int n) {
    return Number("Cardback\\Type" + std::to_string(n), 0, 0, 2);
}

SettingKey CardbackPatternKey(int n) {
    return Number("Cardback\\Pattern" + std::to_string(n), 0, 0);
}

SettingKey CardbackFilenameKey(int n) {
    return Text("Cardback\\Filename" + std::to_string(n), "");
}

std::vector<SettingKey> FontKeys(const std::string& window) {
    const std::string font = window + "\\Font.";
    return {Colour(font + "Color", 0),
            Number(font + "Height", -11),
            Text(font + "Name", "MS Sans Serif"),
            Number(font + "Pitch", 0),
            Number(font + "Size", 8),
            Flag(font + "Bold", false),
            Flag(font + "Italic", false),
            Flag(font + "Underline", false),
            Flag(font + "StrikeOut", false)};
}

std::vector<SettingKey> AllSettingKeys() {
    std::vector<SettingKey> keys = {
        kVersionKey,
        kBackgroundColorKey,
        kResolutionKey,
        kMouseOptionsKey,
        kSelectPlayerKey,
        kSoundKey,
        kDelayKey,
        kAutoSaveKey,
        kHintShownKey,
        kMusicFileKey,
        kMusicDirKey,
        kMusicTypeKey,
        kMusicKey,
        kShowStatusbarKey,
        kLevelKey,
        kAggressionKey,
        kCardMovementKey,
        kCardSpeedKey,
        kShowHighscoresKey,
        kShowTurnsKey,
        kChatOnTopKey,
        kChatLeftKey,
        kChatTopKey,
        kChatWidthKey,
        kChatHeightKey,
        kUsernameKey,
        kServerKey,
        kPrivateLobbyRoomKey,
        kGameTypeKey,
        kPortKey,
        kNetworkBackgroundColorKey,
        kProxyServerKey,
        kProxyPortKey,
        kProxyUserKey,
        kProxyPassKey,
        kWebServerKey,
    };
    const RuleOptions r;
    const char* const* name = kRuleValueNames;
    keys.insert(
        keys.end(),
        {Flag(name[0], r.CanastaRequired), Number(name[1], r.NumberOfCanastas, 1, 2),
         Number(name[2], r.NumberOfCards, 1, 2), Flag(name[3], r.AddToCanasta),
         Flag(name[4], r.TopCardCounts), Flag(name[5], r.InitialBlock),
         Flag(name[6], r.NaturalPair), Flag(name[7], r.AddExistingMeld), Flag(name[8], r.DrawExtra),
         Flag(name[9], r.ThreeBlock), Flag(name[10], r.BonusCounts),
         Flag(name[11], r.InitialBlockForBoth), Flag(name[12], r.WildcardCanasta)});
    for (int n = 0; n < 2; ++n) {
        for (const SettingKey& key : {CardbackColorKey(n), CardbackTypeKey(n),
                                      CardbackPatternKey(n), CardbackFilenameKey(n)}) {
            keys.push_back(key);
        }
    }
    for (const char* window : {"Lobby", "Chat"}) {
        for (SettingKey& key : FontKeys(window)) keys.push_back(std::move(key));
    }
    return keys;
}

}  // namespace tavolex
