// The Rules dialog: the thirteen rule options on four pages, locked while a match is under way.
#pragma once

#include <QDialog>

#include "game/rule_options.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace tavolex {

class Table;

class TfmRules : public QDialog {
    Q_OBJECT
  public:
    TfmRules(const RuleOptions& rules, bool gameInProgress, QWidget* parent = nullptr);

    // The options as the controls show them.
    RuleOptions Options() const;
    // The page the dialog opens on next (a RulesPage); closing it remembers its page for the
    // rest of the run.
    static void SetOpeningPage(int page);

    void done(int result) override;

  private:
    void BuildDiscardPilePage();
    void BuildRedThreesPage();
    void BuildCanastasPage();
    void BuildOtherPage();
    void ShowOptions(const RuleOptions& rules);
    void UpdateControls();
    void HoyleRulesClick();

    bool gameInProgress_;
    QTabWidget* pages_;
    QCheckBox* ckAddTop_;
    QCheckBox* ckTopCount_;
    QCheckBox* ckInitFreeze_;
    QCheckBox* ckInitBlock_;
    QCheckBox* ckNaturalPair_;
    QCheckBox* ckAddExisting_;
    QCheckBox* ckDrawExtra_;
    QCheckBox* ckFreezeDiscard_;
    QCheckBox* ckRequired_;
    QCheckBox* ckBonus_;
    QCheckBox* ckwildcardallowed_;
    QGroupBox* rgGoOut_;
    QButtonGroup* goOutItems_;
    QGroupBox* rgDrawn_;
    QButtonGroup* drawnItems_;
    QPushButton* bnHoyle_;
    QLabel* lbWarning_;
};

// Opens the dialog over the table; OK applies the options. True when closed with OK (the
// caller then tells the peer the new rules).
bool RunRulesDialog(Table& table, QWidget* parent);

}  // namespace tavolex
