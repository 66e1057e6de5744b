// The options dialogs offscreen. Customize: the Players page edits a copy, and what OK and
// "&Apply" store and hand to the window. The card backs: each deck written with the value its
// type uses, on "&Apply" and OK; the pattern grid takes only left clicks inside a cell. Sounds:
// what each button does to an event's list, and what OK and Cancel write.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "game/table.h"
#include "options/pattern_grid.h"
#include "options/qt/card_back_dialog.h"
#include "options/qt/card_pattern_dialog.h"
#include "options/qt/customize_dialog.h"
#include "options/qt/midi_player.h"
#include "options/qt/qt_sounds.h"
#include "options/qt/sound_dialog.h"
#include "qt_shell_helpers.h"

namespace tavolex::test {
namespace {

struct CustomizeFixture : testing::Test {
    CustomizeFixture() {
        input.values.Resolution = 1;
        input.values.Level = kExpert;
        input.players.List = {{"Anna", {12, 7}}, {"Ben", {0, 0}}};
        input.players.CurrentPlayer = 0;
        input.largestLayout = 3;
    }

    TfmCustomize& Open() {
        dialog = std::make_unique<TfmCustomize>(
            input, settings, dialogs, [this](const CustomizeSettings& values, const Players& p) {
                applied.push_back(values);
                appliedPlayers = p;
            });
        return *dialog;
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = dialog->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAbstractButton* Button(const QString& text) { return Captioned(dialog.get(), text); }
    void Press(const char* name) { Find<QPushButton>(name)->click(); }

    CustomizeInput input;
    MemorySettings settings;
    HeadlessDialogs dialogs;
    std::vector<CustomizeSettings> applied;
    Players appliedPlayers;
    std::unique_ptr<TfmCustomize> dialog;
};

TEST_F(CustomizeFixture, PlayersPageEditsACopy) {
    Open();
    auto* list = Find<QListWidget>("lbPlayers");
    dialogs.inputAnswer = "Carl, Jr";
    Press("bnNew");
    EXPECT_EQ(list->count(), 2);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, kNoCommasText);

    dialogs.inputAnswer = "Carl";
    Press("bnNew");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentItem()->text(), "Carl");
    Press("bnSetCurrent");
    EXPECT_EQ(Find<QLabel>("lbCurrentPlayer")->text(), "Carl");

    list->setCurrentRow(1);
    dialogs.inputAnswer = "Bea";
    Press("bnRename");
    EXPECT_EQ(list->item(1)->text(), "Bea");

    list->setCurrentRow(0);
    Press("bnResetStats");
    EXPECT_EQ(dialog->PlayerCopy().List[0].Ratio, TWinRatio{});
    EXPECT_FALSE(settings.KeyExists("Player Names"));  // nothing stored before OK

    for (int left = 3; left > 0; --left) {
        list->setCurrentRow(0);
        Press("bnDelete");
    }
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(Find<QLabel>("lbCurrentPlayer")->text(), "Player");
    EXPECT_FALSE(Find<QPushButton>("bnDelete")->isEnabled());
    Press("bnApply");
    EXPECT_TRUE(appliedPlayers.List.empty());
    EXPECT_EQ(LoadPlayers(settings).CurrentPlayer, -1);
}

TEST_F(CustomizeFixture, ApplyCommitsAndWaitsForTheNextChangeAndOkStoresEveryControl) {
    bool colorAsked = false;
    Open().SetColorPicker([&](int64_t current, QWidget*) -> std::optional<int64_t> {
        colorAsked = current == 32768;
        return 128;
    });
    QPushButton* apply = Find<QPushButton>("bnApply");
    EXPECT_FALSE(apply->isEnabled());
    Find<QSlider>("tbDelay")->setValue(0);
    ASSERT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].Delay, 1500);
    Find<QCheckBox>("ckAutoSave")->click();
    EXPECT_TRUE(apply->isEnabled());

    Press("bnColor");
    EXPECT_TRUE(colorAsked);
    for (const char* caption :
         {"&Show statusbar", "Show my turn/your turn &messages", "Show &highscores", "&640 x 480",
          "&Advanced", "&Two Right Clicks", "Select player when starting Tavolex"})
        Button(caption)->click();
    Find<QSlider>("tbAggression")->setValue(80);
    Find<QSlider>("tbDelay")->setValue(4);
    Find<QCheckBox>("ckNoAnimation")->click();
    Find<QSlider>("tbCardSpeed")->setValue(2);
    Standard(dialog.get(), QDialogButtonBox::Ok)->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(applied.size(), 2u);
    EXPECT_EQ(Stored(settings, "Settings"),
              "aggression=80 autosave=0 background color=128 card movement=0 card speed=2 "
              "delay=900 level=Advanced mouse options=Double Right Click select player on "
              "startup=0 show highscores=0 show statusbar=0 show turns=0");
    EXPECT_EQ(LoadPlayers(settings), input.players);
}

struct CardBackDialogTest : testing::Test {
    TfmCardBack& Open() {
        dialog = std::make_unique<TfmCardBack>(
            store, [this](const CardBacks& backs) { applied.push_back(backs); }, nullptr, pickers);
        dialog->show();
        return *dialog;
    }
    void Click(const char* caption) { Captioned(dialog.get(), caption)->click(); }
    void Press(const char* name) { dialog->findChild<QPushButton*>(name)->click(); }

    MemorySettings store;
    std::vector<CardBacks> applied;
    CardBackPickers pickers{
        [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); },
        [](int, QWidget*) { return std::optional<int>(4); },
        [](const QString&, QWidget*) { return std::optional<QString>("/pictures/back.png"); }};
    std::unique_ptr<TfmCardBack> dialog;
};

TEST_F(CardBackDialogTest, ApplyWritesEachDeckAndStaysOpenOkStoresColourAndPictureAndCloses) {
    Open();
    Click("Deck Two");
    Click("S&tandard Pattern");
    Press("bnChange");
    Press("bnApply");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0][1], (CardBackRecord{kPatternBack, 128, "", 4}));
    EXPECT_EQ(Stored(store, "Cardback"), "color0=128 pattern1=4 type0=0 type1=1");

    Click("Deck One");
    Press("bnChange");  // deck one, solid colour
    Click("Deck Two");
    Click("C&ustom Pattern");
    Press("bnChange");
    Press("bnOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(applied.size(), 2u);
    EXPECT_EQ(Stored(store, "Cardback"),
              "color0=65280 filename1=/pictures/back.png pattern1=4 type0=0 type1=2");
    // The picture does not exist: the preview falls back to a colour back, nothing fails.
    EXPECT_FALSE(dialog->findChild<QLabel*>("lbPreview")->pixmap().isNull());
}

TEST(PatternGridTest, ALeftClickInACellSelectsItOtherClicksDoNot) {
    PatternGrid grid(3);
    grid.show();
    const QSize cell = grid.CellSize();
    const GridCell seven = PatternCellOrigin(7, cell.width(), cell.height());
    QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(seven.x + 10, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 3);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(seven.x + 10, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 7);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(seven.x - 2, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 7) << "a click between the cells changes nothing";
    EXPECT_EQ(PatternGrid(12).Selected(), 0);
}

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
    EXPECT_FALSE(dialog.bnRemove->isEnabled());
    for (int i = 0; i < 3; ++i) dialog.bnAdd->click();
    EXPECT_EQ(dialog.lbSounds->count(), 3);
    EXPECT_FALSE(dialog.bnAdd->isEnabled());
    dialog.bnRemove->click();
    EXPECT_EQ(dialog.Result().Events[kSoundLoseHand].size(), 2u);
    EXPECT_TRUE(dialog.bnAdd->isEnabled());

    dialog.lbEvents->setCurrentRow(kSoundDeal);
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

    EXPECT_FALSE(sounds_.settings.SoundOn);
    EXPECT_EQ(music.music.MusicType, 0);
    EXPECT_EQ(music.jukebox.PlaylistIndex, -1);
}

}  // namespace
}  // namespace tavolex::test
