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

// The music settings as one line: on, type, file, folder.
std::string Described(const MusicSettings& music) {
    return std::to_string(music.MusicOn) + " " + std::to_string(music.MusicType) + " " +
           music.MusicFile + " " + music.JukeboxDir;
}

TEST(SoundEvents, AFreshStoreGivesTheBuiltInListsAndWhatOkWritesReadsBack) {
    MemorySettings store;
    const SoundSettings fresh = LoadSoundSettings(store, "/games/tavolex");
    EXPECT_TRUE(fresh.SoundOn);
    EXPECT_EQ(fresh.Events[kSoundDeal], std::vector<std::string>{"shufl.wav"});
    EXPECT_EQ(fresh.Events[kSoundEndTurn], std::vector<std::string>{"yourturn.wav"});
    // Losing is silent.
    EXPECT_TRUE(fresh.Events[kSoundLoseHand].empty());
    EXPECT_TRUE(fresh.Events[kSoundLoseMatch].empty());
    EXPECT_EQ(Described(fresh.Music), "0 1 ARCADIA.MID /games/tavolex");

    SoundSettings settings;
    settings.SoundOn = false;
    settings.Music = {true, 0, "/music/tune.mid", "/music"};
    SaveSoundSettings(store, settings);
    EXPECT_EQ(ReadInt(store, "Settings\\Music Type", -1), 0);
    const SoundSettings back = LoadSoundSettings(store, "/elsewhere");
    EXPECT_FALSE(back.SoundOn);
    EXPECT_EQ(Described(back.Music), "1 0 /music/tune.mid /music");
}

TEST(SoundEvents, TheStoredFormRoundTripsNoneAndUpToThreeFiles) {
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

    // Reading stops at the first empty value and never passes three; names compare without
    // case and numbers read as text.
    MemorySettings written;
    written.WriteValue("Sound\\Win Hand1", std::string("one.wav"));
    written.WriteValue("Sound\\Win Hand3", std::string("three.wav"));
    for (const char* exit : {"1", "2", "3", "4"})
        written.WriteValue(std::string("Sound\\Exit") + exit, exit + std::string(".wav"));
    written.WriteValue("Sound\\start1", int64_t{7});
    const SoundEventTable read = LoadSoundEvents(written);
    EXPECT_EQ(read[kSoundWinHand], std::vector<std::string>{"one.wav"});
    EXPECT_EQ(read[kSoundExit].size(), 3u);
    EXPECT_EQ(read[kSoundStart], std::vector<std::string>{"7"});
}

TEST(SoundEvents, EachOfThreeFilesIsChosenAboutAThirdOfTheTimeAndNoneWhenSilent) {
    SoundSettings settings;
    settings.Events[kSoundWinHand] = {"/s/a.wav", "/s/b.wav", "/s/c.wav"};
    Random random(2024);
    std::map<std::string, int> counts;
    const int draws = 30000;
    for (int i = 0; i < draws; ++i) ++counts[ChooseEventSound(settings, kSoundWinHand, random, {})];
    ASSERT_EQ(counts.size(), 3u);
    for (const auto& [file, count] : counts) EXPECT_NEAR(count, draws / 3, draws / 30) << file;

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
