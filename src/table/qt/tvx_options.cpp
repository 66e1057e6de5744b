// The Options menu's dialogs and the help pages' commands that open them.
#include "options/qt/card_back_dialog.h"
#include "options/qt/customize_dialog.h"
#include "options/qt/stored_color.h"
#include "table/qt/rules_dialog.h"
#include "table/qt/tvx_main.h"
#include "table/rules_change.h"

namespace tavolex {

void TfmTvxMain::Rules1Click() {
    RunEngine([this] {
        // The changed rules went to the opponent: the differences are compared anew.
        if (RunRulesDialog(table_, this)) network_.CompareRulesAgain();
    });
}

CustomizeSettings TfmTvxMain::CurrentCustomizeSettings() const {
    CustomizeSettings values;
    values.BackgroundColor = StoredFromColor(background_);
    values.ShowStatusbar = showStatusbar_;
    values.ShowTurns = table_.ShowTurns;
    values.ShowHighscores = showHighscores_;
    values.Resolution = table_.Resolution;
    // A remote player holds the opponent's side: the dialog shows the level kept for afterwards.
    values.Level = table_.NetworkActive ? table_.SavedComputerLevel : table_.ComputerLevel;
    values.Aggression = table_.Aggression;
    values.DiscardOption = table_.DiscardOption;
    values.Delay = table_.MeldDelay;
    values.CardMovement = cardMovement_;
    values.CardSpeed = cardSpeed_;
    values.AutoSave = autosave_;
    values.SelectPlayerOnStartup = selectPlayerOnStartup_;
    return values;
}

void TfmTvxMain::ApplyCustomize(const CustomizeSettings& values, const Players& players) {
    ApplyCustomizeSettings(table_, values);
    statistics_.players = players;
    background_ = ColorFromStored(static_cast<int32_t>(values.BackgroundColor));
    showStatusbar_ = values.ShowStatusbar;
    cardMovement_ = values.CardMovement;
    cardSpeed_ = values.CardSpeed;
    autosave_ = values.AutoSave;
    showHighscores_ = values.ShowHighscores;
    selectPlayerOnStartup_ = values.SelectPlayerOnStartup;
    table_.Resolution = values.Resolution;
    ApplyScreenLayout();
    // The colour changes the whole table even when the layout stays.
    RepaintAll();
}

void TfmTvxMain::Customize1Click() {
    const CustomizeInput input{CurrentCustomizeSettings(), statistics_.players,
                               table_.state.GameInProgress != 0, table_.NetworkActive,
                               largestLayout_};
    TfmCustomize dialog(
        input, settings_, dialogs_,
        [this](const CustomizeSettings& values, const Players& players) {
            ApplyCustomize(values, players);
        },
        this);
    dialog.exec();
}

void TfmTvxMain::Deck1Click() {
    TfmCardBack dialog(
        settings_,
        [this](const CardBacks& backs) {
            cardBacks_ = backs;
            cards_.ApplyCardBacks(backs);
            RepaintAll();
        },
        this);
    dialog.exec();
}

void TfmTvxMain::HelpCommand(int parameter) {
    if (parameter == 0 || parameter == 1) {
        TfmCustomize::SetOpeningPage(parameter == 0 ? kPlayersPage : kGeneralPage);
        Customize1Click();
        return;
    }
    const int rulesPage = RulesPageForHelpCommand(parameter);
    if (rulesPage < 0) return;
    TfmRules::SetOpeningPage(rulesPage);
    Rules1Click();
}

}  // namespace tavolex
