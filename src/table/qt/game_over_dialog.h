// The end of a match: the winner's comment, both totals and whether to play another game.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "game/dialogs.h"

namespace tavolex {

// How a network match's result leaves the program.
struct MatchReporting {
    // "&OK", once per dialog: the web server's match log.
    std::function<void(const GameOverInfo&)> logMatch;
    // "Send &Result": a mail message to the address the user typed.
    std::function<void(const GameOverInfo&, const std::string& address)> mailResult;
};

class TfmGameOver : public QDialog {
    Q_OBJECT
  public:
    TfmGameOver(const GameOverInfo& info, MatchReporting reporting, QWidget* parent = nullptr);

    // What closed the dialog: Yes or No locally, Ok in a network game, Closed otherwise.
    GameOverAnswer Answer() const { return answer_; }

  private:
    void Close(GameOverAnswer answer);
    void bnSendResultClick();

    GameOverInfo info_;
    MatchReporting reporting_;
    bool logged_ = false;
    GameOverAnswer answer_ = GameOverAnswer::Closed;
};

}  // namespace tavolex
