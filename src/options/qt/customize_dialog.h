// "Customize Tavolex": the Screen, Players, Level and General pages. OK and "&Apply" store the
// values, save the player list and hand both to the window's apply callback.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "options/customize_settings.h"
#include "storage/players.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTabWidget;

namespace tavolex {

class Dialogs;
class SettingsStore;

struct CustomizeInput {
    CustomizeSettings values;
    Players players;  // the dialog edits a copy
    bool gameInProgress = false;
    bool networkGame = false;
    int largestLayout = 3;
};

// Runs after the values are stored, on OK and on "&Apply": the window takes them over and
// applies its screen layout.
using CustomizeApply = std::function<void(const CustomizeSettings&, const Players&)>;
// Asks for a colour in the stored colour form; nullopt when cancelled.
using ColorPicker = std::function<std::optional<int64_t>(int64_t current, QWidget* parent)>;

class TfmCustomize : public QDialog {
    Q_OBJECT
  public:
    TfmCustomize(const CustomizeInput& input, SettingsStore& store, Dialogs& dialogs,
                 CustomizeApply apply, QWidget* parent = nullptr);

    // The page the dialog opens on next: the one last closed, or the one a help command asks.
    static void SetOpeningPage(int page);
    static int OpeningPage();

    void SetColorPicker(ColorPicker picker) { pickColor_ = std::move(picker); }
    CustomizeSettings Values() const;
    const Players& PlayerCopy() const { return players_; }

    void done(int result) override;

  private:
    QWidget* BuildScreenPage();
    QWidget* BuildPlayersPage();
    QWidget* BuildLevelPage();
    QWidget* BuildGeneralPage();
    void ShowValues();
    void ShowPlayers(int selected);
    void ShowColor();
    void UpdateEnabled();
    void Changed();
    void Commit();
    int SelectedPlayer() const;
    // Runs a Players-page operation on the selected player and shows the list again.
    void EditPlayers(const std::function<bool(int selected)>& operation);

    void bnColorClick();
    void bnNewClick();
    void bnRenameClick();
    void bnDeleteClick();
    void bnResetStatsClick();
    void bnSetCurrentClick();
    void bnApplyClick();

    CustomizeSettings values_;
    Players players_;
    const bool levelLocked_;
    const bool networkGame_;
    const int largestLayout_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    CustomizeApply apply_;
    ColorPicker pickColor_;

    QTabWidget* pages_ = nullptr;
    QFrame* pnColor_ = nullptr;
    QCheckBox* ckShowStatusbar_ = nullptr;
    QCheckBox* ckShowTurns_ = nullptr;
    QCheckBox* ckShowHighscores_ = nullptr;
    QButtonGroup* rgWindowSize_ = nullptr;
    QListWidget* lbPlayers_ = nullptr;
    QLabel* lbCurrentPlayer_ = nullptr;
    QLabel* lbRecord_ = nullptr;
    QCheckBox* ckSelectPlayer_ = nullptr;
    QButtonGroup* rgLevel_ = nullptr;
    QLabel* lbLevelLock_ = nullptr;
    QSlider* tbAggression_ = nullptr;
    QLabel* lbAggression_ = nullptr;
    QButtonGroup* rgDiscard_ = nullptr;
    QSlider* tbDelay_ = nullptr;
    QCheckBox* ckNoAnimation_ = nullptr;
    QSlider* tbCardSpeed_ = nullptr;
    QCheckBox* ckAutoSave_ = nullptr;
    QPushButton* bnApply_ = nullptr;
    QList<QPushButton*> playerButtons_;
};

}  // namespace tavolex
