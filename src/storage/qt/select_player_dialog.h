// "Select Player": the choice of the current player at start-up.
#pragma once

#include <QDialog>

#include "storage/players.h"

class QListWidget;

namespace tavolex {

class SettingsStore;

class TfmSelectPlayer : public QDialog {
    Q_OBJECT
  public:
    // "&OK" makes the selected player current and saves the list, current player first.
    TfmSelectPlayer(Players& players, SettingsStore& store, QWidget* parent = nullptr);

  private:
    void bnOKClick();

    Players& players_;
    SettingsStore& store_;
    QListWidget* lbPlayers_;
};

}  // namespace tavolex
