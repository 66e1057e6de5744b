#include "table/qt/rules_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "game/table.h"
#include "table/qt/dialog_parts.h"
#include "table/rules_change.h"

namespace tavolex {

namespace {

int openingPage = kRulesDiscardPilePage;

QCheckBox* MakeCheckBox(const char* name, const QString& caption, const QString& whatsThis) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setWhatsThis(whatsThis);
    return box;
}

// A dependent option sits indented under the box it depends on.
QWidget* Indented(QWidget* control) {
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(22, 0, 0, 0);
    layout->addWidget(control);
    return holder;
}

QGroupBox* MakeRadioGroup(const char* name, const QString& caption, const QString& first,
                          const QString& second, QButtonGroup*& items) {
    auto* group = new QGroupBox(caption);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    items = new QButtonGroup(group);
    int id = 0;
    for (const QString& text : {first, second}) {
        auto* button = new QRadioButton(text);
        items->addButton(button, id++);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

QWidget* MakePage(QTabWidget* pages, const QString& caption, std::initializer_list<QWidget*> rows) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    for (QWidget* row : rows) layout->addWidget(row);
    layout->addStretch();
    pages->addTab(page, caption);
    return page;
}

}  // namespace

TfmRules::TfmRules(const RuleOptions& rules, bool gameInProgress, QWidget* parent)
    : QDialog(parent), gameInProgress_(gameInProgress), pages_(new QTabWidget) {
    setObjectName(QStringLiteral("TfmRules"));
    setWindowTitle(QStringLiteral("Rules"));
    BuildDiscardPilePage();
    BuildRedThreesPage();
    BuildCanastasPage();
    BuildOtherPage();

    lbWarning_ = new QLabel(QStringLiteral(
        "The rules cannot be changed now, because a game is in progress. Press OK and then F2 "
        "to start a new game. The current game will be aborted."));
    lbWarning_->setObjectName(QStringLiteral("lbWarning"));
    lbWarning_->setWordWrap(true);
    lbWarning_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));

    bnHoyle_ = new QPushButton(QStringLiteral("Hoyle Rules"));
    bnHoyle_->setObjectName(QStringLiteral("bnHoyle"));
    bnHoyle_->setAutoDefault(false);
    bnHoyle_->setWhatsThis(QStringLiteral(
        "Sets every option to the published standard rules. Nothing changes until you press OK."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(bnHoyle_, QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bnHoyle_, &QPushButton::clicked, this, &TfmRules::HoyleRulesClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(lbWarning_);
    layout->addWidget(buttons);

    ShowOptions(rules);
    // Every change of a box or a radio item, by a click or by "Hoyle Rules", keeps the
    // dependent controls and the canasta caption in step.
    for (QCheckBox* box : {ckInitFreeze_, ckNaturalPair_}) {
        connect(box, &QCheckBox::toggled, this, &TfmRules::UpdateControls);
    }
    connect(goOutItems_, &QButtonGroup::idToggled, this, &TfmRules::UpdateControls);
    UpdateControls();
    pages_->setCurrentIndex(openingPage);
    InstallWhatsThisMenu(this);
    setMinimumWidth(440);
}

void TfmRules::BuildDiscardPilePage() {
    ckAddTop_ = MakeCheckBox("ckAddTop", QStringLiteral("&Allow adding top card to melded Canasta"),
                             QStringLiteral("The discard pile may be taken with a top card whose "
                                            "rank already has a Canasta."));
    ckTopCount_ = MakeCheckBox(
        "ckTopCount", QStringLiteral("&Top card counts for initial meld"),
        QStringLiteral("The top card of a taken pile counts toward the minimum of your first "
                       "meld."));
    ckInitFreeze_ = MakeCheckBox(
        "ckInitFreeze", QStringLiteral("&Initially frozen"),
        QStringLiteral("Every hand starts with the discard pile frozen: it can only be taken "
                       "with a natural pair matching the top card."));
    ckInitBlock_ = MakeCheckBox(
        "ckInitBlock", QStringLiteral("&Separately frozen for each player"),
        QStringLiteral("The initial freeze lasts for each player until that player has laid an "
                       "initial meld."));
    ckNaturalPair_ = MakeCheckBox(
        "ckNaturalPair", QStringLiteral("&Natural pair required for new meld"),
        QStringLiteral("Starting a new meld with the top card of the pile needs two natural "
                       "cards of that rank from your hand."));
    ckAddExisting_ = MakeCheckBox(
        "ckAddExisting", QStringLiteral("Also when adding to existing meld"),
        QStringLiteral("The natural pair is needed also when the top card goes onto a meld you "
                       "already have."));
    MakePage(pages_, QStringLiteral("Discard Pile"),
             {ckAddTop_, ckTopCount_, ckInitFreeze_, Indented(ckInitBlock_), ckNaturalPair_,
              Indented(ckAddExisting_)});
}

void TfmRules::BuildRedThreesPage() {
    ckDrawExtra_ = MakeCheckBox(
        "ckDrawExtra", QStringLiteral("&Draw extra card"),
        QStringLiteral("A red three drawn from the stock is laid out and replaced by another "
                       "card."));
    ckFreezeDiscard_ = MakeCheckBox(
        "ckFreezeDiscard", QStringLiteral("&Freeze discard pile"),
        QStringLiteral("A red three may be discarded from your melds by right-clicking it; "
                       "doing so freezes the discard pile."));
    auto* group = new QGroupBox(QStringLiteral("Red Three options"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(ckDrawExtra_);
    layout->addWidget(ckFreezeDiscard_);
    MakePage(pages_, QStringLiteral("Red Threes"), {group});
}

void TfmRules::BuildCanastasPage() {
    ckRequired_ = MakeCheckBox(
        "ckRequired", QStringLiteral("&Canasta(s) required for positive score"),
        QStringLiteral("A side without the Canastas needed to go out scores its melds and red "
                       "threes negatively."));
    ckBonus_ = MakeCheckBox(
        "ckBonus", QStringLiteral("Canasta &bonus counts for initial meld"),
        QStringLiteral("A side that has completed a Canasta has met its initial meld minimum."));
    ckwildcardallowed_ = MakeCheckBox(
        "ckwildcardallowed", QStringLiteral("Wildcard Canasta is allowed"),
        QStringLiteral("A Canasta of seven jokers and deuces may be built; it scores 1000."));
    rgGoOut_ = MakeRadioGroup("rgGoOut", QStringLiteral("&Number of Canastas needed to go out"),
                              QStringLiteral("&One"), QStringLiteral("&Two"), goOutItems_);
    rgGoOut_->setWhatsThis(
        QStringLiteral("How many Canastas a side must hold before it may go out."));
    MakePage(pages_, QStringLiteral("Canastas"),
             {rgGoOut_, ckRequired_, ckBonus_, ckwildcardallowed_});
}

void TfmRules::BuildOtherPage() {
    rgDrawn_ = MakeRadioGroup("rgDrawn", QStringLiteral("Number of &Cards drawn each turn"),
                              QStringLiteral("On&e"), QStringLiteral("T&wo"), drawnItems_);
    rgDrawn_->setWhatsThis(QStringLiteral(
        "How many cards a click on the stock draws. Taking the discard pile is not affected."));
    MakePage(pages_, QStringLiteral("Other"), {rgDrawn_});
}

void TfmRules::ShowOptions(const RuleOptions& rules) {
    ckAddTop_->setChecked(rules.AddToCanasta);
    ckTopCount_->setChecked(rules.TopCardCounts);
    ckInitFreeze_->setChecked(rules.InitialBlock);
    ckInitBlock_->setChecked(rules.InitialBlockForBoth);
    ckNaturalPair_->setChecked(rules.NaturalPair);
    ckAddExisting_->setChecked(rules.AddExistingMeld);
    ckDrawExtra_->setChecked(rules.DrawExtra);
    ckFreezeDiscard_->setChecked(rules.ThreeBlock);
    ckRequired_->setChecked(rules.CanastaRequired);
    ckBonus_->setChecked(rules.BonusCounts);
    ckwildcardallowed_->setChecked(rules.WildcardCanasta);
    goOutItems_->button(CountItem(rules.NumberOfCanastas))->setChecked(true);
    drawnItems_->button(CountItem(rules.NumberOfCards))->setChecked(true);
}

RuleOptions TfmRules::Options() const {
    RuleOptions rules;
    rules.CanastaRequired = ckRequired_->isChecked();
    rules.NumberOfCanastas = goOutItems_->checkedId() + 1;
    rules.NumberOfCards = drawnItems_->checkedId() + 1;
    rules.AddToCanasta = ckAddTop_->isChecked();
    rules.TopCardCounts = ckTopCount_->isChecked();
    rules.InitialBlock = ckInitFreeze_->isChecked();
    rules.NaturalPair = ckNaturalPair_->isChecked();
    rules.AddExistingMeld = ckAddExisting_->isChecked();
    rules.DrawExtra = ckDrawExtra_->isChecked();
    rules.ThreeBlock = ckFreezeDiscard_->isChecked();
    rules.BonusCounts = ckBonus_->isChecked();
    rules.InitialBlockForBoth = ckInitBlock_->isChecked();
    rules.WildcardCanasta = ckwildcardallowed_->isChecked();
    return rules;
}

void TfmRules::UpdateControls() {
    ckRequired_->setText(ToQString(CanastaRequiredCaption(goOutItems_->checkedId() + 1)));
    const RulesControlStates states =
        RulesControls(gameInProgress_, ckInitFreeze_->isChecked(), ckNaturalPair_->isChecked());
    for (QWidget* control : std::initializer_list<QWidget*>{
             ckAddTop_, ckTopCount_, ckInitFreeze_, ckNaturalPair_, ckDrawExtra_, ckFreezeDiscard_,
             ckRequired_, ckBonus_, ckwildcardallowed_, rgGoOut_, rgDrawn_, bnHoyle_}) {
        control->setEnabled(states.optionsEnabled);
    }
    ckInitBlock_->setEnabled(states.initBlockEnabled);
    ckAddExisting_->setEnabled(states.addExistingEnabled);
    lbWarning_->setVisible(states.warningVisible);
}

void TfmRules::HoyleRulesClick() {
    ShowOptions(HoyleRules());
}

void TfmRules::SetOpeningPage(int page) {
    if (page >= kRulesDiscardPilePage && page <= kRulesOtherPage) openingPage = page;
}

void TfmRules::done(int result) {
    openingPage = pages_->currentIndex();
    QDialog::done(result);
}

bool RunRulesDialog(Table& table, QWidget* parent) {
    TfmRules dialog(table.rules(), table.state.GameInProgress, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyRuleOptions(table, dialog.Options());
    return true;
}

}  // namespace tavolex
