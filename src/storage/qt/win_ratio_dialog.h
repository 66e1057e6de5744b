// "Win Ratio": the wins, losses and win ratio of each player, with a reset.
#pragma once

#include <QDialog>

#include "storage/players.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tavolex {

class Dialogs;
class SettingsStore;

class TfmWinRatio : public QDialog {
    Q_OBJECT
  public:
    // Shows the current player first; a reset changes players and saves them to the store.
    TfmWinRatio(Players& players, SettingsStore& store, Dialogs& dialogs,
                QWidget* parent = nullptr);

  private:
    void cbPlayersChange();
    void bnResetClick();

    Players& players_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    QComboBox* cbPlayers_;
    QLabel* lbWins_;
    QLabel* lbLosses_;
    QLabel* lbRatio_;
    QPushButton* bnReset_;
};

// The menu command: refuses with a message when no players exist, else opens the dialog.
void ShowWinRatio(Players& players, SettingsStore& store, Dialogs& dialogs, QWidget* parent);

}  // namespace tavolex
