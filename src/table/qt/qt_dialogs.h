// The engine's dialogs as Qt message boxes and the game's own dialogs, over the table window.
#pragma once

#include "game/dialogs.h"
#include "table/qt/game_over_dialog.h"

class QWidget;

namespace tavolex {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    // The reports of a network match, sent from the game-over dialog.
    void SetMatchReporting(MatchReporting reporting) { reporting_ = std::move(reporting); }

    void Information(const std::string& text) override;
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& proposal) override;
    bool ShowScoring(const ScoringInfo& info) override;
    // The engine turns the opponent's hand up on the table around this call.
    void ShowDetails(const DetailsInfo& info) override;
    GameOverAnswer ShowGameOver(const GameOverInfo& info) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposal) override;
    std::optional<std::string> AskLoadFileName() override;

  private:
    QWidget* parent_;
    MatchReporting reporting_;
};

}  // namespace tavolex
