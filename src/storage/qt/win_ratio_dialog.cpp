#include "storage/qt/win_ratio_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/dialogs.h"
#include "storage/qt/statistics_dialog_parts.h"

namespace tavolex {

TfmWinRatio::TfmWinRatio(Players& players, SettingsStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      players_(players),
      store_(store),
      dialogs_(dialogs),
      cbPlayers_(new QComboBox),
      lbWins_(CountLabel("lbWins")),
      lbLosses_(CountLabel("lbLosses")),
      lbRatio_(CountLabel("lbRatio")),
      bnReset_(new QPushButton(QStringLiteral("Reset &Stats"))) {
    setObjectName(QStringLiteral("TfmWinRatio"));
    setWindowTitle(QStringLiteral("Win Ratio"));
    cbPlayers_->setObjectName(QStringLiteral("cbPlayers"));
    bnReset_->setObjectName(QStringLiteral("bnReset"));
    for (const PlayerEntry& player : players_.List) {
        cbPlayers_->addItem(QString::fromStdString(player.Name));
    }
    cbPlayers_->setCurrentIndex(players_.CurrentPlayer);

    auto* grid = new QGridLayout;
    // The "%" sits right after the ratio; the column of numbers keeps them apart from captions.
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    auto* playerCaption = new QLabel(QStringLiteral("&Player:"));
    playerCaption->setBuddy(cbPlayers_);
    grid->addWidget(playerCaption, 0, 0);
    grid->addWidget(cbPlayers_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Wins:")), 1, 0);
    grid->addWidget(lbWins_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Losses:")), 2, 0);
    grid->addWidget(lbLosses_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Win ratio:")), 3, 0);
    grid->addWidget(lbRatio_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("%")), 3, 2);
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnMinimumWidth(1, 50);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(bnReset_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bnReset_, &QPushButton::clicked, this, &TfmWinRatio::bnResetClick);
    connect(cbPlayers_, &QComboBox::currentIndexChanged, this, &TfmWinRatio::cbPlayersChange);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    cbPlayersChange();
}

void TfmWinRatio::cbPlayersChange() {
    const int index = cbPlayers_->currentIndex();
    const bool shown = index >= 0 && index < static_cast<int>(players_.List.size());
    const TWinRatio ratio = shown ? players_.List[index].Ratio : TWinRatio{};
    lbWins_->setNum(ratio.Wins);
    lbLosses_->setNum(ratio.Losses);
    lbRatio_->setText(QString::fromStdString(WinRatioText(ratio)));
    bnReset_->setEnabled(shown);
}

void TfmWinRatio::bnResetClick() {
    if (!AskResetPlayerStats(players_, cbPlayers_->currentIndex(), dialogs_)) return;
    SavePlayers(store_, players_);
    cbPlayersChange();
}

void ShowWinRatio(Players& players, SettingsStore& store, Dialogs& dialogs, QWidget* parent) {
    if (players.List.empty()) {
        dialogs.Information(kNoPlayersText);
        return;
    }
    TfmWinRatio dialog(players, store, dialogs, parent);
    dialog.exec();
}

}  // namespace tavolex
