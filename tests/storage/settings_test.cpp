// The settings the table window starts with (the defaults of a fresh machine and what odd stored
// values turn into), and the upgrade from older versions on temporary folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <tuple>

#include "game/memory_settings.h"
#include "saved_game_test_support.h"
#include "storage/ini_file.h"
#include "storage/resolution.h"
#include "storage/settings_keys.h"
#include "storage/settings_migration.h"
#include "storage/startup_settings.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

TEST(StartupSettings, AFreshStoreGivesEveryDefaultAndOddValuesReadAsTheirDefaultOrAsExpert) {
    MemorySettings store;
    const StartupSettings s = ReadStartupSettings(store, "/opt/tavolex/");
    // Only the music folder does not come from the key's own default.
    EXPECT_EQ(s.MusicDir, "/opt/tavolex/");
    EXPECT_EQ(std::tuple(s.DiscardOption, s.BackgroundColor, int{s.ComputerLevel}, s.Sound),
              std::tuple(0, 32768, 0, true));

    store.WriteValue("Settings\\Level", std::string("expert"));
    store.WriteValue("Settings\\Delay", int64_t{-40});
    store.WriteValue("Settings\\Aggression", int64_t{150});
    store.WriteValue("Settings\\Card Speed", std::string("fast"));
    store.WriteValue("Settings\\Mouse Options", std::string("single right click"));
    store.WriteValue("Settings\\Number of Cards", int64_t{0});
    store.WriteValue("Settings\\Number of Canastas", int64_t{2});
    store.WriteValue("Settings\\Sound", std::string("0"));
    const StartupSettings odd = ReadStartupSettings(store, "");
    EXPECT_EQ(
        std::tuple(odd.Delay, odd.MusicType, int{odd.ComputerLevel}, odd.Aggression, odd.CardSpeed),
        std::tuple(300, 1, 2, 50, 10));
    EXPECT_EQ(odd.DiscardOption, 1);
    EXPECT_EQ(odd.Rules.NumberOfCards, 1);
    EXPECT_EQ(odd.Rules.NumberOfCanastas, 2);
    EXPECT_FALSE(odd.Sound);
    EXPECT_EQ(ComputerLevelFromText("Advanced"), 1);
    EXPECT_EQ(ComputerLevelFromText(""), 2);
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

class Migration : public ::testing::Test {
  protected:
    Migration() {
        for (const fs::path& folder : {program, windows, current}) fs::create_directories(folder);
    }
    void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
    void WriteIni(const std::string& body) {
        Write(windows / "tavolex.ini", "[Tavolex Settings]\n" + body);
    }

    test::ScratchFolder root;
    fs::path program = root.Path() / "program", windows = root.Path() / "windows",
             current = root.Path() / "current";
    MigrationFolders folders = {program, windows, current};
    MemorySettings store;
};

TEST_F(Migration, Version300ImportsTheWordsOfTheOldFile) {
    WriteIni("Version=300\nMusic=Off\nsound = Yes\nNumber of Canastas=Two\nThree Block=No\n");
    Write(program / "old.TVX", "x");
    Write(current / "TVX800.DLL", "x");
    Write(current / "keep.dll", "x");
    const MigrationReport report = MigrateSettings(store, folders);
    EXPECT_EQ(report.fromVersion, 300);
    EXPECT_TRUE(report.imported);
    EXPECT_FALSE(ReadBool(store, "Settings\\Music", true));
    EXPECT_TRUE(ReadBool(store, "Settings\\Sound", false));
    EXPECT_TRUE(ReadBool(store, "Settings\\Natural Pair", false));  // missing: "Yes"
    EXPECT_EQ(ReadInt(store, "Settings\\Number of Canastas", 0), 2);
    EXPECT_EQ(ReadInt(store, "Settings\\Number of Cards", 0), 1);
    EXPECT_EQ(ReadInt(store, "Settings\\Background Color", 0), 128);
    EXPECT_FALSE(fs::exists(program / "old.TVX"));
    EXPECT_FALSE(fs::exists(current / "TVX800.DLL"));
    EXPECT_TRUE(fs::exists(current / "keep.dll"));
    EXPECT_TRUE(fs::exists(windows / "tavolex.ini"));
    EXPECT_EQ(ReadInt(store, "Settings\\Version", 0), 50001);
}

TEST_F(Migration, OlderVersionsCopyTheFileAndNewerOnesOnlyLoseOldSavedGames) {
    WriteIni("Version=250\n");
    MigrateSettings(store, folders);
    EXPECT_TRUE(fs::exists(program / "tavolex.ini"));
    EXPECT_TRUE(ReadBool(store, "Settings\\Music", false));

    MemorySettings newer;
    newer.WriteValue("Settings\\Version", int64_t{41000});
    newer.WriteValue("Settings\\Music", int64_t{0});
    Write(program / "autosave.tvx", "x");
    const MigrationReport report = MigrateSettings(newer, folders);
    EXPECT_FALSE(report.imported);
    EXPECT_FALSE(fs::exists(program / "autosave.tvx"));
    EXPECT_FALSE(ReadBool(newer, "Settings\\Music", true));

    Write(program / "autosave.tvx", "x");
    EXPECT_TRUE(MigrateSettings(newer, folders).deleted.empty());  // already current
    EXPECT_TRUE(fs::exists(program / "autosave.tvx"));
}

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
    const IniFile ini = IniFile::Parse(
        "; comment\r\nstray=1\r\n[Other]\r\nMusic=No\r\n[TAVOLEX settings]\r\n MUSIC = \"On\" \r\n"
        "Music=Off\r\n[broken\r\nSound=No\r\n");
    EXPECT_EQ(ini.ReadString("Tavolex Settings", "Music", "x"), "On");
    EXPECT_EQ(ini.ReadString("Tavolex Settings", "Sound", "Yes"), "Yes");
    EXPECT_EQ(ini.ReadString("Other", "music", "x"), "No");
    EXPECT_EQ(ini.ReadString("Missing", "Music", "x"), "x");
    EXPECT_FALSE(IniFile::Load("/nonexistent/tavolex.ini"));
}

}  // namespace
}  // namespace tavolex
