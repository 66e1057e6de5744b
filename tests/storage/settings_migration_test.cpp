// The upgrade from older versions: the import of the old settings file and the deletion of
// files that no longer fit, on temporary folders.
#include "storage/settings_migration.h"

#include <gtest/gtest.h>

#include <fstream>

#include "game/memory_settings.h"
#include "storage/ini_file.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

class Migration : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("tavolex_migration_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        for (const char* folder : {"program", "windows", "current"}) {
            fs::create_directories(root / folder);
        }
        folders = {root / "program", root / "windows", root / "current"};
    }
    void TearDown() override { fs::remove_all(root); }

    void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text; }
    void WriteIni(const std::string& body) {
        Write(root / "windows" / "tavolex.ini", "[Tavolex Settings]\n" + body);
    }

    fs::path root;
    MigrationFolders folders;
    MemorySettings store;
};

TEST_F(Migration, AFreshMachineOnlyWritesTheVersion) {
    Write(root / "program" / "autosave.tvx", "x");
    const MigrationReport report = MigrateSettings(store, folders);
    EXPECT_EQ(report.fromVersion, 0);
    EXPECT_FALSE(report.imported);
    EXPECT_EQ(ReadInt(store, "Settings\\Version", 0), 50001);
    EXPECT_TRUE(fs::exists(root / "program" / "autosave.tvx"));
    EXPECT_EQ(store.GetKeyNames(""), std::vector<std::string>{"settings"});
}

TEST_F(Migration, Version300ImportsTheWordsOfTheOldFile) {
    WriteIni("Version=300\nMusic=Off\nsound = Yes\nNumber of Canastas=Two\nThree Block=No\n");
    Write(root / "program" / "old.TVX", "x");
    Write(root / "current" / "TVX800.DLL", "x");
    Write(root / "current" / "keep.dll", "x");
    const MigrationReport report = MigrateSettings(store, folders);
    EXPECT_EQ(report.fromVersion, 300);
    EXPECT_TRUE(report.imported);
    EXPECT_FALSE(ReadBool(store, "Settings\\Music", true));
    EXPECT_TRUE(ReadBool(store, "Settings\\Sound", false));
    EXPECT_TRUE(ReadBool(store, "Settings\\Natural Pair", false));  // missing: "Yes"
    EXPECT_FALSE(ReadBool(store, "Settings\\Three Block", true));
    EXPECT_EQ(ReadInt(store, "Settings\\Number of Canastas", 0), 2);
    EXPECT_EQ(ReadInt(store, "Settings\\Number of Cards", 0), 1);
    EXPECT_EQ(ReadInt(store, "Settings\\Background Color", 0), 128);
    EXPECT_FALSE(fs::exists(root / "program" / "old.TVX"));
    EXPECT_FALSE(fs::exists(root / "current" / "TVX800.DLL"));
    EXPECT_TRUE(fs::exists(root / "current" / "keep.dll"));
    EXPECT_TRUE(fs::exists(root / "windows" / "tavolex.ini"));
    EXPECT_EQ(ReadInt(store, "Settings\\Version", 0), 50001);
}

TEST_F(Migration, OlderVersionsCopyTheFileAndNewerOnesOnlyLoseOldSavedGames) {
    WriteIni("Version=250\n");
    MigrateSettings(store, folders);
    EXPECT_TRUE(fs::exists(root / "program" / "tavolex.ini"));
    EXPECT_TRUE(ReadBool(store, "Settings\\Music", false));

    MemorySettings newer;
    newer.WriteValue("Settings\\Version", int64_t{41000});
    newer.WriteValue("Settings\\Music", int64_t{0});
    Write(root / "program" / "autosave.tvx", "x");
    const MigrationReport report = MigrateSettings(newer, folders);
    EXPECT_FALSE(report.imported);
    EXPECT_FALSE(fs::exists(root / "program" / "autosave.tvx"));
    EXPECT_FALSE(ReadBool(newer, "Settings\\Music", true));

    Write(root / "program" / "autosave.tvx", "x");
    EXPECT_TRUE(MigrateSettings(newer, folders).deleted.empty());  // already current
    EXPECT_TRUE(fs::exists(root / "program" / "autosave.tvx"));
}

TEST_F(Migration, AStoredOldVersionWithoutTheOldFileKeepsItsValues) {
    store.WriteValue("Settings\\Version", int64_t{300});
    store.WriteValue("Settings\\Music", int64_t{0});
    folders.windows.reset();
    EXPECT_FALSE(MigrateSettings(store, folders).imported);
    EXPECT_FALSE(ReadBool(store, "Settings\\Music", true));
    EXPECT_EQ(ReadInt(store, "Settings\\Version", 0), 50001);
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
