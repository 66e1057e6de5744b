// The music player's choice: the single file, the shuffled jukebox and files that fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "options/jukebox.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

// One track holding only its end.
const std::string kSmallMidi =
    std::string("MThd\0\0\0\6\0\0\0\1\0\x60", 14) + std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);

class JukeboxTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
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

TEST_F(JukeboxTest, PlaysEveryTuneOnceThenRescansAndShufflesAgainTheSameWayForTheSameSeed) {
    const std::set<std::string> all = {Write("a.mid"), Write("b.MID"), Write("c.mid")};
    Write("notes.txt", "no tune");
    std::set<std::string> firstRound;
    for (int i = 0; i < 3; ++i) firstRound.insert(Choose(Jukebox()));
    EXPECT_EQ(firstRound, all);
    EXPECT_EQ(jukebox_.PlaylistIndex, -1);

    const std::string added = Write("d.mid");
    std::set<std::string> secondRound;
    for (int i = 0; i < 4; ++i) secondRound.insert(Choose(Jukebox()));
    EXPECT_TRUE(secondRound.count(added)) << "the run-out list is built from the folder again";

    Write("e.mid");
    tavolex::Jukebox first, second;
    Random firstRandom{77}, secondRandom{77};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(ChooseMusic(Jukebox(), first, firstRandom, {}),
                  ChooseMusic(Jukebox(), second, secondRandom, {}));
    }
}

TEST_F(JukeboxTest, ADeletedTuneIsSkipped) {
    for (const char* name : {"a.mid", "b.mid", "c.mid"}) Write(name);
    const std::string first = Choose(Jukebox());
    const std::string doomed = jukebox_.Playlist[1];
    fs::remove(doomed);
    const std::string next = Choose(Jukebox());
    EXPECT_NE(next, doomed);
    EXPECT_NE(next, first);
    EXPECT_EQ(jukebox_.PlaylistIndex, -1);
}

TEST_F(JukeboxTest, DamagedTunesAreSkippedAndAFolderOfThemOrNoFolderIsSilent) {
    EXPECT_EQ(Choose(Jukebox()), "");  // an empty folder
    Write("empty.mid", "");
    Write("text.mid", "just some words");
    Write("cut.mid", kSmallMidi.substr(0, kSmallMidi.size() - 2));
    Write("huge_track.mid", kSmallMidi.substr(0, 14) + std::string("MTrk\x7F\xFF\xFF\xFF", 8));
    EXPECT_EQ(Choose(Jukebox()), "");
    const std::string good = Write("good.mid");
    EXPECT_EQ(Choose(Jukebox()), good);

    MusicSettings missing = Jukebox();
    missing.JukeboxDir = (folder_ / "not here").string();
    EXPECT_EQ(Choose(missing), "");
    missing.JukeboxDir.clear();
    EXPECT_EQ(Choose(missing), "");
}

TEST_F(JukeboxTest, SingleFileIsFoundInTheProgramFoldersAndRepeats) {
    const std::string tune = Write("ARCADIA.MID");
    MusicSettings single = Jukebox();
    single.MusicType = 0;
    const std::vector<std::string> folders = {(folder_ / "user").string(), folder_.string()};
    EXPECT_EQ(Choose(single, folders), tune);
    EXPECT_EQ(Choose(single, folders), tune);
    single.MusicFile = "missing.mid";
    EXPECT_EQ(Choose(single, folders), "");
    single.MusicOn = false;
    single.MusicFile = "ARCADIA.MID";
    EXPECT_EQ(Choose(single, folders), "");
}

}  // namespace
}  // namespace tavolex
