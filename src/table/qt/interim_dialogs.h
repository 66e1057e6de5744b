// Plain message boxes and file dialogs for the game's questions, until its own dialogs are in.
#pragma once

#include "game/dialogs.h"

class QWidget;

namespace tavolex {

class InterimDialogs : public Dialogs {
  public:
    explicit InterimDialogs(QWidget* parent) : parent_(parent) {}
    void Information(const std::string& text) override;
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& proposal) override;
    bool ShowScoring(const ScoringInfo& info) override;
    void ShowDetails(const DetailsInfo&) override {}
    GameOverAnswer ShowGameOver(const GameOverInfo& info) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposal) override;
    std::optional<std::string> AskLoadFileName() override;

  private:
    QWidget* parent_;
};

}  // namespace tavolex
