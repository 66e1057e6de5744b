// "Detailed Scoring Results": how each side's hand total was made up.
#pragma once

#include <QDialog>

#include "game/dialogs.h"

namespace tavolex {

class TfmDetails : public QDialog {
    Q_OBJECT
  public:
    explicit TfmDetails(const DetailsInfo& info, QWidget* parent = nullptr);
};

}  // namespace tavolex
