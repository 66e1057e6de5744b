// The sound dialog's rules: what each button does to an event's list, and what OK writes.
#include "options/qt/sound_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "game/memory_settings.h"
#include "options/qt/midi_player.h"
#include "options/qt/qt_sounds.h"
#include "qt_shell_helpers.h"

namespace tavolex::test {
namespace {

class SoundDialog : public testing::Test {
  protected:
    Random random_;
    QtSounds sounds_{random_, {}};
};

TEST_F(SoundDialog, AddStopsAtThreeFilesRemoveAndDefaultRestoreBrowsingChoosesTheMusicType) {
    SoundSettings settings;
    settings.Music.MusicType = 1;
    TfmSound dialog(settings, sounds_);
    dialog.chooseSoundFile = [] { return QString("/sounds/ding.wav"); };
    dialog.lbEvents->setCurrentRow(kSoundLoseHand);
    EXPECT_EQ(dialog.lbSounds->count(), 0);
    EXPECT_FALSE(dialog.bnRemove->isEnabled());
    for (int i = 0; i < 3; ++i) dialog.bnAdd->click();
    EXPECT_EQ(dialog.lbSounds->count(), 3);
    EXPECT_FALSE(dialog.bnAdd->isEnabled());
    dialog.bnRemove->click();
    EXPECT_EQ(dialog.Result().Events[kSoundLoseHand].size(), 2u);
    EXPECT_TRUE(dialog.bnAdd->isEnabled());

    dialog.lbEvents->setCurrentRow(kSoundDeal);
    EXPECT_EQ(dialog.lbSounds->currentItem()->text(), "shufl.wav");
    dialog.bnRemove->click();
    EXPECT_TRUE(dialog.Result().Events[kSoundDeal].empty());
    dialog.bnDefault->click();
    EXPECT_EQ(dialog.Result().Events[kSoundDeal], std::vector<std::string>{"shufl.wav"});
    dialog.chooseSoundFile = [] { return QString(); };
    dialog.bnAdd->click();
    EXPECT_EQ(dialog.lbSounds->count(), 1) << "a cancelled file dialog adds nothing";

    EXPECT_TRUE(dialog.rbJukebox->isChecked());
    dialog.chooseMusicFile = [] { return QString("/music/tune.mid"); };
    dialog.bnBrowseFile->click();
    EXPECT_EQ(dialog.Result().Music.MusicType, 0);
    EXPECT_EQ(dialog.Result().Music.MusicFile, "/music/tune.mid");
    dialog.chooseJukeboxDir = [] { return QString("/music/more"); };
    dialog.bnBrowseDir->click();
    EXPECT_EQ(dialog.Result().Music.MusicType, 1);
    EXPECT_EQ(dialog.Result().Music.JukeboxDir, "/music/more");
}

TEST_F(SoundDialog, CancelWritesNothingOkWritesEverySettingRewritesTheEventsAndAppliesThem) {
    MemorySettings store;
    MidiPlayer music(random_, {});
    music.soundFontFolders.clear();
    WhenModalOpens([](QWidget* dialog) { dialog->close(); });
    EXPECT_FALSE(Sound1Click(nullptr, store, sounds_, music));
    EXPECT_FALSE(store.KeyExists("Sound"));
    EXPECT_FALSE(store.KeyExists("Settings"));

    store.WriteValue("Sound\\Old Event1", std::string("gone.wav"));
    music.jukebox.PlaylistIndex = 2;
    WhenModalOpens([](QWidget* widget) {
        auto* dialog = qobject_cast<TfmSound*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->ckSoundEnabled->setChecked(false);
        dialog->ckMusicEnabled->setChecked(true);
        dialog->rbSingleFile->setChecked(true);
        dialog->edMusicFile->setText("/music/tune.mid");
        dialog->edJukeboxDir->setText("/music");
        dialog->lbEvents->setCurrentRow(kSoundWinHand);
        dialog->bnRemove->click();
        dialog->accept();
    });
    ASSERT_TRUE(Sound1Click(nullptr, store, sounds_, music));
    EXPECT_EQ(Stored(store, "Settings"), "music=1 music type=0 sound=0");
    EXPECT_EQ(Stored(store, "Music"), "dir=/music file=/music/tune.mid");
    EXPECT_FALSE(store.ValueExists("Sound\\Old Event1"));
    EXPECT_EQ(ReadText(store, "Sound\\Win Hand1", ""), "<none>");
    EXPECT_EQ(ReadText(store, "Sound\\Deal1", ""), "shufl.wav");
    EXPECT_EQ(ReadText(store, "Sound\\Lose Hand1", ""), "<none>");

    EXPECT_FALSE(sounds_.settings.SoundOn);
    EXPECT_EQ(music.music.MusicType, 0);
    EXPECT_EQ(music.jukebox.PlaylistIndex, -1);
}

}  // namespace
}  // namespace tavolex::test
