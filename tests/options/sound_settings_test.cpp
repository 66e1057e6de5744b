// The sound files the program ships, the event table (stored and chosen from) and the music
// player's choice from the shuffled jukebox, past files that fail.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <tuple>

#include "game/memory_settings.h"
#include "options/jukebox.h"
#include "options/sound_events.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

TEST(SoundEvents, TheStoredFormRoundTripsNoneAndUpToThreeFiles) {
    MemorySettings store;
    store.WriteValue("Sound\\Stale9", std::string("old.wav"));
    SoundEventTable events = BuiltInSoundEvents();
    events[kSoundDeal].clear();
    events[kSoundLoseHand] = {"a.wav", "b.wav", "c.wav"};
    SaveSoundEvents(store, events);
    EXPECT_FALSE(store.ValueExists("Sound\\Stale9"));
    EXPECT_EQ(ReadText(store, "Sound\\Deal1", ""), "<none>");
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

// One track holding only its end.
const std::string kSmallMidi =
    std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);

class JukeboxTest : public testing::Test {
  protected:
    void SetUp() override {
        // One folder per test: CTest runs the tests of this fixture side by side.
        folder_ = fs::path(testing::TempDir()) /
                  ("tavolex_jukebox_" +
                   std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Write(const std::string& name, const std::string& bytes = kSmallMidi) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return (folder_ / name).string();
    }
    MusicSettings Jukebox() const { return {true, 1, "ARCADIA.MID", folder_.string()}; }
    std::string Choose(const MusicSettings& music, std::vector<std::string> folders = {}) {
        return ChooseMusic(music, jukebox_, random_, folders);
    }

    fs::path folder_;
    Random random_{77};
    tavolex::Jukebox jukebox_;
};

TEST_F(JukeboxTest, PlaysEveryTuneOnceThenRescans) {
    const std::set<std::string> all = {Write("a.mid"), Write("b.MID"), Write("c.mid")};
    Write("notes.txt", "no tune");
    std::set<std::string> firstRound;
    for (int i = 0; i < 3; ++i) firstRound.insert(Choose(Jukebox()));
    EXPECT_EQ(firstRound, all);

    const std::string added = Write("d.mid");
    std::set<std::string> secondRound;
    for (int i = 0; i < 4; ++i) secondRound.insert(Choose(Jukebox()));
    EXPECT_TRUE(secondRound.count(added)) << "the run-out list is built from the folder again";
}

TEST_F(JukeboxTest, DamagedTunesAreSkippedAndAFolderOfThemOrNoFolderIsSilent) {
    EXPECT_EQ(Choose(Jukebox()), "");  // an empty folder
    Write("empty.mid", "");
    Write("text.mid", "just some words");
    Write("huge_track.mid", kSmallMidi.substr(0, 14) + std::string("MTrk\x7F\xFF\xFF\xFF", 8));
    EXPECT_EQ(Choose(Jukebox()), "");
    const std::string good = Write("good.mid");
    EXPECT_EQ(Choose(Jukebox()), good);

    MusicSettings missing = Jukebox();
    missing.JukeboxDir = (folder_ / "not here").string();
    EXPECT_EQ(Choose(missing), "");
}

const fs::path kResources = fs::path(TAVOLEX_TEST_DATA) / ".." / ".." / "resources";

uint32_t Little(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes.at(at + i));
    return value;
}

TEST(SoundResources, EveryBuiltInSoundIsAShortSixteenBitPcmWaveAndTheTuneIsMidi) {
    std::vector<std::string> files = {kAboutSound};
    for (const auto& event : BuiltInSoundEvents())
        files.insert(files.end(), event.begin(), event.end());
    ASSERT_EQ(files.size(), 14u);
    for (const std::string& name : files) {
        std::ifstream in(kResources / "sounds" / name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8) + bytes.substr(36, 4), "RIFFWAVEfmt data")
            << name;
        // Format 1 (PCM), one channel, 16 bits.
        EXPECT_EQ(std::tuple(Little(bytes, 20, 2), Little(bytes, 22, 2), Little(bytes, 34, 2)),
                  std::tuple(1u, 1u, 16u))
            << name;
        EXPECT_EQ(Little(bytes, 40, 4), bytes.size() - 44) << name;
        const double seconds = double(bytes.size() - 44) / (Little(bytes, 24, 4) * 2);
        EXPECT_GT(seconds, 0.3) << name;
        EXPECT_LT(seconds, 2.0) << name;
    }
    EXPECT_TRUE(IsMidiFile((kResources / "music" / kDefaultMusicFile).string()));
}

}  // namespace
}  // namespace tavolex
