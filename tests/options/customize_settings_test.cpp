// The Customize dialog's conversions, its locks, and what confirming it stores and changes.
#include "options/customize_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/settings_store.h"
#include "storage/startup_settings.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

TEST(CustomizeSettings, TheDelaySliderRunsFromSlowToFastAndLocksFollowTheGameAndTheLevel) {
    EXPECT_EQ(DelayOfSliderPosition(0), 1500);
    EXPECT_EQ(DelaySliderPosition(300), 8);  // the default delay
    // Values no slider wrote stay inside its range.
    EXPECT_EQ(DelaySliderPosition(100000), 0);
    EXPECT_EQ(DelaySliderPosition(-450), 10);
    EXPECT_EQ(DelaySliderPosition(299), 9);

    EXPECT_FALSE(WindowSizeAvailable(3, 2));  // 1280 x 1024 on a 1024-pixel screen
    EXPECT_TRUE(WindowSizeAvailable(2, 2));
    EXPECT_FALSE(LevelLocked(false, false));
    EXPECT_TRUE(LevelLocked(true, false));
    EXPECT_TRUE(LevelLocked(false, true));
    EXPECT_TRUE(AggressionEnabled(kExpert, false));
    EXPECT_FALSE(AggressionEnabled(kExpert, true));
    EXPECT_FALSE(AggressionEnabled(kAdvanced, false));
}

const CustomizeSettings kChanged = {.BackgroundColor = 128,
                                    .ShowStatusbar = false,
                                    .ShowTurns = false,
                                    .ShowHighscores = false,
                                    .Level = kAdvanced,
                                    .Aggression = 70,
                                    .DiscardOption = 1,
                                    .Delay = 0,
                                    .CardMovement = false,
                                    .CardSpeed = 3,
                                    .AutoSave = false,
                                    .SelectPlayerOnStartup = false};

TEST(CustomizeSettings, StoringApplyingANetworkGameAndTheAutosaveFile) {
    HeadlessGame game;
    // What is stored is what the next start reads; the window stores its size itself, on exit.
    StoreCustomizeSettings(game.settings, kChanged, false);
    EXPECT_EQ(CustomizeSettingsFrom(ReadStartupSettings(game.settings, ""), 0), kChanged);
    EXPECT_EQ(ReadText(game.settings, "Settings\\Level", ""), "Advanced");
    EXPECT_EQ(ReadText(game.settings, "Settings\\Mouse Options", ""), "Double Right Click");
    EXPECT_FALSE(game.settings.ValueExists("Settings\\Resolution"));

    // Applying sets the table; autosave on keeps the file.
    const auto folder = std::filesystem::path(testing::TempDir()) / "customize_autosave";
    std::filesystem::create_directories(folder);
    const auto autosave = folder / "autosave.tvx";
    std::ofstream(autosave) << "TavolexSavedGame";
    game.table.ProgramFolder = folder.string() + "/";
    CustomizeSettings values = kChanged;
    values.AutoSave = true;
    ApplyCustomizeSettings(game.table, values);
    EXPECT_TRUE(std::filesystem::exists(autosave));
    EXPECT_EQ(game.table.ComputerLevel, kAdvanced);
    EXPECT_EQ(game.table.Aggression, 70);

    // A network game keeps the level, stored and in play.
    game.settings.WriteValue("Settings\\Level", std::string("Expert"));
    game.table.NetworkActive = true;
    game.table.ComputerLevel = kRemotePlayer;
    game.table.SavedComputerLevel = kExpert;
    StoreCustomizeSettings(game.settings, kChanged, true);
    ApplyCustomizeSettings(game.table, kChanged);
    EXPECT_EQ(ReadText(game.settings, "Settings\\Level", ""), "Expert");
    EXPECT_EQ(game.table.ComputerLevel, kRemotePlayer);
    EXPECT_EQ(game.table.MeldDelay, 0);

    // Autosave off deletes the file; with no file left there is nothing to complain about.
    EXPECT_FALSE(std::filesystem::exists(autosave));
    ApplyCustomizeSettings(game.table, kChanged);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavolex
