// The effect and music players stay silent on bad input and never block.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "options/qt/media_folders.h"
#include "options/qt/midi_player.h"
#include "options/qt/qt_sounds.h"
#include "options/sound_font.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(TAVOLEX_TEST_DATA) / ".." / ".." / "resources";

// One quarter note at 480 ticks a beat, then the end of the track.
const std::string kShortTune =
    std::string("MThd\0\0\0\6\0\0\0\1\x01\xE0", 14) +
    std::string("MTrk\0\0\0\x0D\0\x90\x45\x60\x83\x60\x80\x45\0\0\xFF\x2F\0", 21);

class SoundPlayers : public testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return (folder_ / name).string();
    }
    // A folder of its own: the test programs run side by side.
    QTemporaryDir temporary_;
    fs::path folder_{temporary_.path().toStdString()};
    Random random_{3};
};

TEST_F(SoundPlayers, MissingOrForeignWaveFilesAndSoundOffAreSilentAndExitDoesNotHang) {
    QtSounds sounds(random_, {folder_.string(), (kResources / "sounds").string()});
    sounds.settings.Events[kSoundWinHand] = {"missing.wav"};
    sounds.PlayEvent(kSoundWinHand);
    EXPECT_FALSE(sounds.IsPlaying());
    sounds.settings.SoundOn = false;
    sounds.PlayEvent(kSoundDeal);
    sounds.PlayAbout();
    EXPECT_FALSE(sounds.IsPlaying());
    sounds.settings.SoundOn = true;
    sounds.PlayFile(Write("words.wav", "this is not a wave file"));
    sounds.FinishAndClose(2000);
    EXPECT_FALSE(sounds.IsPlaying());
}

TEST_F(SoundPlayers, NoSoundFontOrADamagedTuneMeansSilence) {
    MidiPlayer player(random_, {folder_.string()}, nullptr, "file");
    player.music = {true, 0, Write("tune.mid", kShortTune), ""};
    player.soundFontFolders = {folder_.string()};
    player.MusicNotify();
    EXPECT_FALSE(player.IsPlaying());

    player.soundFontFolders = StandardSoundFontFolders("");
    player.music.MusicFile = Write("broken.mid", kShortTune.substr(0, 30));
    player.MusicNotify();
    EXPECT_FALSE(player.IsPlaying());
    player.music = {true, 1, "", (folder_ / "nowhere").string()};
    player.ApplySettings();
    EXPECT_FALSE(player.IsPlaying());
}

// That a tune starts again at its end is the jukebox's decision, tested without audio; playing
// one out here would tie the test to the machine's speed.
TEST_F(SoundPlayers, SingleFilePlaysMusicOffClosesAndTheDefaultTunePlays) {
    if (FindSoundFont(StandardSoundFontFolders("")).empty()) GTEST_SKIP() << "no SoundFont";
    MidiPlayer player(random_, {folder_.string()}, nullptr, "file");
    player.music = {true, 0, "tune.mid", ""};
    Write("tune.mid", kShortTune);
    QSignalSpy starts(&player, &MidiPlayer::tuneStarted);
    player.MusicNotify();
    ASSERT_TRUE(player.IsPlaying());
    EXPECT_EQ(player.CurrentTune(), (folder_ / "tune.mid").string());
    EXPECT_EQ(starts.count(), 1);
    player.music.MusicOn = false;
    player.ApplySettings();
    EXPECT_FALSE(player.IsPlaying());

    MidiPlayer jukebox(random_, {(kResources / "music").string()}, nullptr, "file");
    jukebox.music = {true, 1, "", (kResources / "music").string()};
    jukebox.MusicNotify();
    EXPECT_TRUE(jukebox.IsPlaying());
    EXPECT_EQ(fs::path(jukebox.CurrentTune()).filename(), "ARCADIA.MID");
}

}  // namespace
}  // namespace tavolex
