// "Hall of Fame": the high-score tables of each level, per hand and per match.
#pragma once

#include <QDialog>

#include "storage/highscores.h"

class QButtonGroup;
class QTableWidget;

namespace tavolex {

class Dialogs;
class SettingsStore;

class TfmHallOfFame : public QDialog {
    Q_OBJECT
  public:
    // Opens on the table of level and kind; newRow (0..9) is the entry just made, shown in
    // bold, or -1. "&Clear" empties the shown table in highscores and in the store.
    TfmHallOfFame(Highscores& highscores, SettingsStore& store, Dialogs& dialogs, int level,
                  int kind, int newRow = -1, QWidget* parent = nullptr);

  private:
    void ShowTable();
    void bnClearClick();

    Highscores& highscores_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    QButtonGroup* rgLevel_;
    QButtonGroup* rgType_;
    QTableWidget* grScores_;
    int newLevel_;
    int newKind_;
    int newRow_;
};

}  // namespace tavolex
