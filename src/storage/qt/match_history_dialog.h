// "Match History": the texts of the last hundred matches, newest first.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

namespace tavolex {

class TfmMatchHistory : public QDialog {
    Q_OBJECT
  public:
    // texts as the match history gives them, newest first.
    explicit TfmMatchHistory(const std::vector<std::string>& texts, QWidget* parent = nullptr);
};

}  // namespace tavolex
