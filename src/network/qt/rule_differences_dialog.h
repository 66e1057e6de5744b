// "Rule Differences": the rule options in which the two players of a network game differ, and
// the button that adopts the opponent's. Non-modal and above every window, so both players can
// talk it over while it shows.
#pragma once

#include <QDialog>
#include <vector>

#include "network/rule_differences.h"

class QTreeWidget;

namespace tavolex {

class TfmRuleDifferences : public QDialog {
    Q_OBJECT
  public:
    explicit TfmRuleDifferences(QWidget* parent = nullptr);

    // Lists the differences and shows the window without making it modal; with none, the list
    // empties and the window hides.
    void ShowDifferences(const std::vector<RuleDifference>& differences);

  signals:
    // "Use Opponent's Rules" was pressed; the window hides when the receivers return.
    void useOpponentsRules();

  private:
    QTreeWidget* lvRules_ = nullptr;
};

}  // namespace tavolex
