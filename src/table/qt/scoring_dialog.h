// "Scoring Results": both sides' totals of the hand just finished.
#pragma once

#include <QDialog>

#include "game/dialogs.h"

namespace tavolex {

class TfmScoring : public QDialog {
    Q_OBJECT
  public:
    // The result of exec() when the user asked for the details.
    static constexpr int kDetailsResult = 2;

    explicit TfmScoring(const ScoringInfo& info, QWidget* parent = nullptr);
};

}  // namespace tavolex
