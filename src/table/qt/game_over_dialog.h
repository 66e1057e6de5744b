// The end of a match: the winner's comment, both totals and whether to play another game.
#pragma once

#include <QDialog>
#include <functional>

#include "game/dialogs.h"

namespace tavolex {

class TfmGameOver : public QDialog {
    Q_OBJECT
  public:
    // sendResult reports the match of a network game ("Send &Result"); the dialog stays open.
    TfmGameOver(const GameOverInfo& info, std::function<void(const GameOverInfo&)> sendResult,
                QWidget* parent = nullptr);

    // What closed the dialog: Yes or No locally, Ok in a network game, Closed otherwise.
    GameOverAnswer Answer() const { return answer_; }

  private:
    void Close(GameOverAnswer answer);

    GameOverInfo info_;
    std::function<void(const GameOverInfo&)> sendResult_;
    GameOverAnswer answer_ = GameOverAnswer::Closed;
};

}  // namespace tavolex
