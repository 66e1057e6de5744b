// The Customize dialog offscreen: what it shows, what it leaves open to change, and what OK and
// "&Apply" store and hand to the window.
#include "options/qt/customize_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "game/table.h"
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
    QTabWidget* Pages() { return dialog->findChild<QTabWidget*>(); }

    CustomizeInput input;
    MemorySettings settings;
    HeadlessDialogs dialogs;
    std::vector<CustomizeSettings> applied;
    Players appliedPlayers;
    std::unique_ptr<TfmCustomize> dialog;
};

TEST_F(CustomizeFixture, ShowsTheValuesLocksTheLevelInAGameAndReopensOnThePageLastClosed) {
    input.largestLayout = 2;  // a 1024-pixel-wide screen
    input.values.Delay = 0;
    input.values.CardMovement = false;
    TfmCustomize::SetOpeningPage(kGeneralPage);  // the help command for the General page
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Customize Tavolex");
    EXPECT_EQ(Pages()->currentIndex(), kGeneralPage);
    EXPECT_TRUE(Button("&800 x 600")->isChecked());
    EXPECT_TRUE(Button("&1024 x 768")->isEnabled());
    EXPECT_FALSE(Button("1&280 x 1024")->isEnabled());
    EXPECT_EQ(Find<QSlider>("tbDelay")->value(), 10);
    EXPECT_TRUE(Find<QCheckBox>("ckNoAnimation")->isChecked());
    EXPECT_FALSE(Find<QSlider>("tbCardSpeed")->isEnabled());
    EXPECT_EQ(Find<QLabel>("lbAggression")->text(), "50%");
    EXPECT_EQ(Find<QLabel>("lbCurrentPlayer")->text(), "Anna");
    EXPECT_EQ(dialog->Values(), input.values);

    // Only the expert level has an aggressiveness to set.
    EXPECT_TRUE(Find<QLabel>("lbLevelLock")->isHidden());
    EXPECT_TRUE(Find<QSlider>("tbAggression")->isEnabled());
    Button("&Advanced")->click();
    EXPECT_FALSE(Find<QSlider>("tbAggression")->isEnabled());
    Button("&Expert")->click();
    EXPECT_TRUE(Find<QSlider>("tbAggression")->isEnabled());
    Pages()->setCurrentIndex(kLevelPage);
    dialog->reject();
    EXPECT_EQ(TfmCustomize::OpeningPage(), kLevelPage);

    input.gameInProgress = true;  // the player has clicked in this game
    Open();
    EXPECT_EQ(Pages()->currentIndex(), kLevelPage);
    EXPECT_FALSE(Find<QLabel>("lbLevelLock")->isHidden());
    EXPECT_EQ(Find<QLabel>("lbLevelLock")->text().toStdString(), kLevelLockText);
    EXPECT_FALSE(Button("&Beginner")->isEnabled());
    EXPECT_FALSE(Find<QSlider>("tbAggression")->isEnabled());
    TfmCustomize::SetOpeningPage(kScreenPage);
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
    EXPECT_EQ(ReadInt(settings, "Settings\\Delay", -1), 1500);
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
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[1].Resolution, 0);
    EXPECT_EQ(applied[1].Level, kAdvanced);
    EXPECT_EQ(applied[1].CardSpeed, 2);
    EXPECT_EQ(Stored(settings, "Settings"),
              "aggression=80 autosave=0 background color=128 card movement=0 card speed=2 "
              "delay=900 level=Advanced mouse options=Double Right Click select player on "
              "startup=0 show highscores=0 show statusbar=0 show turns=0");
    EXPECT_EQ(LoadPlayers(settings), input.players);
}

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
    EXPECT_TRUE(Find<QPushButton>("bnApply")->isEnabled());
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

}  // namespace
}  // namespace tavolex::test
