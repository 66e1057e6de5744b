// The Customize dialog offscreen: what it shows, what it leaves open to change, and what OK and
// "&Apply" store and hand to the window.
#include "options/qt/customize_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include "game/headless_seams.h"
#include "game/memory_settings.h"
#include "game/table.h"

namespace tavolex {
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
    QAbstractButton* Button(const QString& text) {
        for (auto* button : dialog->findChildren<QAbstractButton*>())
            if (button->text() == text) return button;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    void Press(const char* name) { Find<QPushButton>(name)->click(); }

    CustomizeInput input;
    MemorySettings settings;
    HeadlessDialogs dialogs;
    std::vector<CustomizeSettings> applied;
    Players appliedPlayers;
    std::unique_ptr<TfmCustomize> dialog;
};

TEST_F(CustomizeFixture, ShowsTheValuesAndDisablesSizesAboveTheScreen) {
    input.largestLayout = 2;  // a 1024-pixel-wide screen
    input.values.Delay = 0;
    input.values.CardMovement = false;
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Customize Tavolex");
    EXPECT_TRUE(Button("&800 x 600")->isChecked());
    EXPECT_TRUE(Button("&1024 x 768")->isEnabled());
    EXPECT_FALSE(Button("1&280 x 1024")->isEnabled());
    EXPECT_EQ(Find<QSlider>("tbDelay")->value(), 10);
    EXPECT_TRUE(Find<QCheckBox>("ckNoAnimation")->isChecked());
    EXPECT_FALSE(Find<QSlider>("tbCardSpeed")->isEnabled());
    EXPECT_EQ(Find<QLabel>("lbAggression")->text(), "50%");
    EXPECT_EQ(Find<QLabel>("lbCurrentPlayer")->text(), "Anna");
    EXPECT_EQ(dialog->Values(), input.values);
}

TEST_F(CustomizeFixture, LevelLockAndAggressiveness) {
    Open();
    EXPECT_TRUE(Find<QLabel>("lbLevelLock")->isHidden());
    EXPECT_TRUE(Find<QSlider>("tbAggression")->isEnabled());
    Button("&Advanced")->click();
    EXPECT_FALSE(Find<QSlider>("tbAggression")->isEnabled());
    Button("&Expert")->click();
    EXPECT_TRUE(Find<QSlider>("tbAggression")->isEnabled());

    input.gameInProgress = true;  // the player has clicked in this game
    Open();
    EXPECT_FALSE(Find<QLabel>("lbLevelLock")->isHidden());
    EXPECT_EQ(Find<QLabel>("lbLevelLock")->text().toStdString(), kLevelLockText);
    EXPECT_FALSE(Button("&Beginner")->isEnabled());
    EXPECT_FALSE(Find<QSlider>("tbAggression")->isEnabled());
}

TEST_F(CustomizeFixture, ApplyCommitsAndWaitsForTheNextChange) {
    Open();
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
}

TEST_F(CustomizeFixture, OkStoresEveryControl) {
    bool colorAsked = false;
    Open().SetColorPicker([&](int64_t current, QWidget*) -> std::optional<int64_t> {
        colorAsked = current == 32768;
        return 128;
    });
    Press("bnColor");
    EXPECT_TRUE(colorAsked);
    Button("&Show statusbar")->click();
    Button("Show my turn/your turn &messages")->click();
    Button("Show &highscores")->click();
    Button("&640 x 480")->click();
    Button("&Advanced")->click();
    Find<QSlider>("tbAggression")->setValue(80);
    Button("&Two Right Clicks")->click();
    Find<QSlider>("tbDelay")->setValue(4);
    Find<QCheckBox>("ckNoAnimation")->click();
    Find<QSlider>("tbCardSpeed")->setValue(2);
    Find<QCheckBox>("ckAutoSave")->click();
    Button("Select player when starting Tavolex")->click();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(applied.size(), 1u);
    const CustomizeSettings& values = applied[0];
    EXPECT_EQ(values.Resolution, 0);
    EXPECT_EQ(values.Level, kAdvanced);
    EXPECT_EQ(values.CardSpeed, 2);
    EXPECT_EQ(ReadInt(settings, "Settings\\Background Color", 0), 128);
    EXPECT_EQ(ReadText(settings, "Settings\\Level", ""), "Advanced");
    EXPECT_EQ(ReadInt(settings, "Settings\\Aggression", 0), 80);
    EXPECT_EQ(ReadText(settings, "Settings\\Mouse Options", ""), "Double Right Click");
    EXPECT_EQ(ReadInt(settings, "Settings\\Delay", 0), 900);
    EXPECT_FALSE(ReadBool(settings, "Settings\\Card Movement", true));
    EXPECT_EQ(ReadInt(settings, "Settings\\Card Speed", 0), 2);
    for (const char* path :
         {"Settings\\AutoSave", "Settings\\Show Statusbar", "Settings\\Show Highscores",
          "Settings\\Show Turns", "Settings\\Select Player on startup"})
        EXPECT_FALSE(ReadBool(settings, path, true)) << path;
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

TEST_F(CustomizeFixture, OpensOnThePageLastClosed) {
    TfmCustomize::SetOpeningPage(kGeneralPage);  // the help command for the General page
    Open();
    auto* pages = dialog->findChild<QTabWidget*>();
    EXPECT_EQ(pages->currentIndex(), kGeneralPage);
    pages->setCurrentIndex(kLevelPage);
    dialog->reject();
    EXPECT_EQ(TfmCustomize::OpeningPage(), kLevelPage);
    Open();
    EXPECT_EQ(dialog->findChild<QTabWidget*>()->currentIndex(), kLevelPage);
    TfmCustomize::SetOpeningPage(kScreenPage);
}

}  // namespace
}  // namespace tavolex
