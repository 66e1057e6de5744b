// Reading the settings the table window starts with: the defaults of a fresh machine and
// what odd stored values turn into.
#include "storage/startup_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "game/memory_settings.h"
#include "storage/resolution.h"
#include "storage/settings_keys.h"

namespace tavolex {
namespace {

TEST(StartupSettings, AFreshStoreGivesEveryDefault) {
    MemorySettings store;
    const StartupSettings s = ReadStartupSettings(store, "/opt/tavolex/");
    EXPECT_EQ(s.BackgroundColor, 32768);
    EXPECT_EQ(s.DiscardOption, 0);
    EXPECT_TRUE(s.SelectPlayerOnStartup && s.Sound && s.AutoSave && s.ShowStatusbar &&
                s.CardMovement && s.ShowHighscores && s.ShowTurns && s.ChatOnTop);
    EXPECT_FALSE(s.HintShown || s.Music);
    EXPECT_EQ(s.Delay, 300);
    EXPECT_EQ(s.MusicFile, "ARCADIA.MID");
    EXPECT_EQ(s.MusicDir, "/opt/tavolex/");
    EXPECT_EQ(s.MusicType, 1);
    EXPECT_EQ(s.ComputerLevel, 0);
    EXPECT_EQ(s.Aggression, 50);
    EXPECT_EQ(s.CardSpeed, 10);
    EXPECT_EQ(s.Rules, RuleOptions{});
    EXPECT_EQ(s.players.CurrentPlayer, -1);
    EXPECT_EQ(s.highscores[2][1], HighscoreTable{});
}

TEST(StartupSettings, OddValuesReadAsTheirDefaultOrAsExpert) {
    MemorySettings store;
    store.WriteValue("Settings\\Level", std::string("expert"));
    store.WriteValue("Settings\\Delay", int64_t{-40});
    store.WriteValue("Settings\\Aggression", int64_t{150});
    store.WriteValue("Settings\\Card Speed", std::string("fast"));
    store.WriteValue("Settings\\Mouse Options", std::string("single right click"));
    store.WriteValue("Settings\\Number of Cards", int64_t{0});
    store.WriteValue("Settings\\Number of Canastas", int64_t{2});
    store.WriteValue("Settings\\Background Color", int64_t{-1});
    store.WriteValue("Settings\\Sound", std::string("0"));
    const StartupSettings s = ReadStartupSettings(store, "");
    EXPECT_EQ(s.ComputerLevel, 2);
    EXPECT_EQ(s.Delay, 300);
    EXPECT_EQ(s.Aggression, 50);
    EXPECT_EQ(s.CardSpeed, 10);
    EXPECT_EQ(s.DiscardOption, 1);
    EXPECT_EQ(s.Rules.NumberOfCards, 1);
    EXPECT_EQ(s.Rules.NumberOfCanastas, 2);
    EXPECT_EQ(s.BackgroundColor, 32768);
    EXPECT_FALSE(s.Sound);
    EXPECT_EQ(ComputerLevelFromText("Advanced"), 1);
    EXPECT_EQ(ComputerLevelFromText(""), 2);
}

TEST(SettingKeys, EveryKeyIsListedOnceAndReadsItsDefaultFromAFreshStore) {
    MemorySettings store;
    std::set<std::string> folded;
    for (const SettingKey& key : AllSettingKeys()) {
        std::string name = key.path;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(folded.insert(name).second) << key.path;
        EXPECT_NE(key.path.find('\\'), std::string::npos) << key.path;
        if (key.type == SettingType::Text) {
            EXPECT_EQ(ReadTextSetting(store, key), key.text);
        } else {
            EXPECT_EQ(ReadIntSetting(store, key), key.number) << key.path;
            EXPECT_TRUE(key.low <= key.number && key.number <= key.high) << key.path;
        }
    }
    EXPECT_EQ(folded.size(), 36u + 13u + 8u + 18u);
}

TEST(Resolution, ParsesThreeFieldsAndFallsBackToTheLargestLayoutWhenDamaged) {
    EXPECT_EQ(ParseResolution("-5,30,1280x1024", 2), (StoredPlacement{-5, 30, "1280x1024"}));
    EXPECT_EQ(ParseResolution("12,40,", 2), (StoredPlacement{12, 40, ""}));
    EXPECT_EQ(ParseResolution("1024x768", 1), (StoredPlacement{0, 0, "800x600"}));
    EXPECT_EQ(ParseResolution("a,b,640x480", 3), (StoredPlacement{0, 0, "1280x1024"}));
    EXPECT_EQ(ParseResolution("99999999999,0,640x480", 0), (StoredPlacement{0, 0, "640x480"}));
    MemorySettings store;
    EXPECT_EQ(ReadResolution(store, 3), (StoredPlacement{0, 0, "1280x1024"}));
    WriteResolution(store, 12, 40, 1);
    EXPECT_EQ(ReadText(store, "Settings\\Resolution", ""), "12,40,800x600");
    EXPECT_EQ(LayoutFromName("1024x768"), 2);
    EXPECT_EQ(LayoutFromName("1024X768"), 0);
}

}  // namespace
}  // namespace tavolex
