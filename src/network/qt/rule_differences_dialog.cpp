#include "network/qt/rule_differences_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavolex {

namespace {

QLabel* WrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TfmRuleDifferences::TfmRuleDifferences(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfmRuleDifferences"));
    setWindowTitle(QStringLiteral("Rule Differences"));

    lvRules_ = new QTreeWidget;
    lvRules_->setObjectName(QStringLiteral("lvRules"));
    lvRules_->setHeaderLabels({QStringLiteral("Rule"), QStringLiteral("Your Setting"),
                               QStringLiteral("Opponent's Setting")});
    lvRules_->setRootIsDecorated(false);
    lvRules_->setSelectionMode(QAbstractItemView::NoSelection);
    lvRules_->setFocusPolicy(Qt::NoFocus);
    lvRules_->setSortingEnabled(true);
    lvRules_->sortByColumn(0, Qt::AscendingOrder);
    // The rule names show whole; the opponent's column takes what is left.
    lvRules_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lvRules_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox;
    QPushButton* hideButton =
        buttons->addButton(QStringLiteral("Hide"), QDialogButtonBox::RejectRole);
    hideButton->setObjectName(QStringLiteral("btHide"));
    hideButton->setDefault(true);
    QPushButton* useButton =
        buttons->addButton(QStringLiteral("Use Opponent's Rules"), QDialogButtonBox::ActionRole);
    useButton->setObjectName(QStringLiteral("btUseOpponentsRules"));
    useButton->setAutoDefault(false);
    connect(hideButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(useButton, &QPushButton::clicked, this, [this] {
        emit useOpponentsRules();
        hide();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WrappedLabel(
        QStringLiteral("The following differences in rules exists between you and "
                       "your opponent. Please resolve these before starting to play.")));
    layout->addWidget(lvRules_, 1);
    layout->addWidget(WrappedLabel(
        QStringLiteral("If you agree to use your opponent's rules, press Use Opponent's Rules.")));
    layout->addWidget(WrappedLabel(QStringLiteral(
        "If your opponent agrees to use your rules, (s)he should press Use Opponent's Rules.")));
    layout->addWidget(buttons);
    resize(520, 370);  // all thirteen rules fit without scrolling
}

void TfmRuleDifferences::ShowDifferences(const std::vector<RuleDifference>& differences) {
    lvRules_->clear();
    for (const RuleDifference& difference : differences) {
        lvRules_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromStdString(difference.rule), QString::fromStdString(difference.own),
             QString::fromStdString(difference.opponent)}));
    }
    setVisible(!differences.empty());
}

}  // namespace tavolex
