// The event table: built-in lists, the stored form and the choice among an event's files.
#include "options/sound_events.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "game/memory_settings.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

TEST(SoundEvents, FreshStoreGivesBuiltInListsAndLoseEventsAreSilent) {
    MemorySettings store;
    const SoundSettings settings = LoadSoundSettings(store, "/games/tavolex");
    EXPECT_TRUE(settings.SoundOn);
    EXPECT_EQ(settings.Events[kSoundDeal], std::vector<std::string>{"shufl.wav"});
    EXPECT_EQ(settings.Events[kSoundEndTurn], std::vector<std::string>{"yourturn.wav"});
    EXPECT_TRUE(settings.Events[kSoundLoseHand].empty());
    EXPECT_TRUE(settings.Events[kSoundLoseMatch].empty());
    EXPECT_FALSE(settings.Music.MusicOn);
    EXPECT_EQ(settings.Music.MusicType, 1);
    EXPECT_EQ(settings.Music.MusicFile, "ARCADIA.MID");
    EXPECT_EQ(settings.Music.JukeboxDir, "/games/tavolex");
}

TEST(SoundEvents, StoredFormRoundTripsNoneAndUpToThreeFiles) {
    MemorySettings store;
    store.WriteValue("Sound\\Stale9", std::string("old.wav"));
    SoundEventTable events = BuiltInSoundEvents();
    events[kSoundDeal].clear();
    events[kSoundLoseHand] = {"a.wav", "b.wav", "c.wav"};
    SaveSoundEvents(store, events);

    EXPECT_FALSE(store.ValueExists("Sound\\Stale9"));
    EXPECT_EQ(ReadText(store, "Sound\\Deal1", ""), "<none>");
    EXPECT_FALSE(store.ValueExists("Sound\\Deal2"));
    EXPECT_EQ(ReadText(store, "Sound\\End Turn (network games)1", ""), "yourturn.wav");
    EXPECT_EQ(LoadSoundEvents(store), events);
}

TEST(SoundEvents, ReadingStopsAtTheFirstEmptyValueAndNeverPassesThree) {
    MemorySettings store;
    store.WriteValue("Sound\\Win Hand1", std::string("one.wav"));
    store.WriteValue("Sound\\Win Hand3", std::string("three.wav"));
    store.WriteValue("Sound\\Exit1", std::string("1.wav"));
    store.WriteValue("Sound\\Exit2", std::string("2.wav"));
    store.WriteValue("Sound\\Exit3", std::string("3.wav"));
    store.WriteValue("Sound\\Exit4", std::string("4.wav"));
    store.WriteValue("Sound\\start1",
                     int64_t{7});  // names compare without case; numbers read as text
    const SoundEventTable events = LoadSoundEvents(store);
    EXPECT_EQ(events[kSoundWinHand], std::vector<std::string>{"one.wav"});
    EXPECT_EQ(events[kSoundExit].size(), 3u);
    EXPECT_EQ(events[kSoundStart], std::vector<std::string>{"7"});
}

TEST(SoundEvents, SettingsWrittenByOkReadBack) {
    MemorySettings store;
    SoundSettings settings;
    settings.SoundOn = false;
    settings.Music = {true, 0, "/music/tune.mid", "/music"};
    SaveSoundSettings(store, settings);
    EXPECT_EQ(ReadInt(store, "Settings\\Music Type", -1), 0);
    const SoundSettings back = LoadSoundSettings(store, "/elsewhere");
    EXPECT_FALSE(back.SoundOn);
    EXPECT_TRUE(back.Music.MusicOn);
    EXPECT_EQ(back.Music.MusicType, 0);
    EXPECT_EQ(back.Music.MusicFile, "/music/tune.mid");
    EXPECT_EQ(back.Music.JukeboxDir, "/music");
}

TEST(SoundEvents, ThreeFilesAreEachChosenAboutAThirdOfTheTime) {
    SoundSettings settings;
    settings.Events[kSoundWinHand] = {"/s/a.wav", "/s/b.wav", "/s/c.wav"};
    Random random(2024);
    std::map<std::string, int> counts;
    const int draws = 30000;
    for (int i = 0; i < draws; ++i) ++counts[ChooseEventSound(settings, kSoundWinHand, random, {})];
    ASSERT_EQ(counts.size(), 3u);
    for (const auto& [file, count] : counts) EXPECT_NEAR(count, draws / 3, draws / 30) << file;
}

TEST(SoundEvents, NothingIsChosenWhenSoundIsOffOrTheEventIsSilent) {
    SoundSettings settings;
    Random random;
    EXPECT_EQ(ChooseEventSound(settings, kSoundLoseHand, random, {"/p"}), "");
    EXPECT_EQ(ChooseEventSound(settings, 99, random, {"/p"}), "");
    settings.SoundOn = false;
    EXPECT_EQ(ChooseEventSound(settings, kSoundDeal, random, {"/p"}), "");
}

TEST(SoundEvents, BareNamesAreFoundInTheFirstProgramFolderThatHoldsThem) {
    const fs::path root = fs::temp_directory_path() / "tavolex_sound_folders";
    fs::remove_all(root);
    fs::create_directories(root / "user");
    fs::create_directories(root / "installed");
    std::ofstream(root / "installed" / "shufl.wav") << "RIFF";
    const std::vector<std::string> folders = {(root / "user").string(),
                                              (root / "installed").string()};
    EXPECT_EQ(FindProgramFile("shufl.wav", folders), (root / "installed" / "shufl.wav").string());
    EXPECT_EQ(FindProgramFile("gone.wav", folders), (root / "user" / "gone.wav").string());
    EXPECT_EQ(FindProgramFile("/else/where.wav", folders), "/else/where.wav");
    fs::remove_all(root);
}

}  // namespace
}  // namespace tavolex
