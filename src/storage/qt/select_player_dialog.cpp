#include "storage/qt/select_player_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolex {

TfmSelectPlayer::TfmSelectPlayer(Players& players, SettingsStore& store, QWidget* parent)
    : QDialog(parent), players_(players), store_(store), lbPlayers_(new QListWidget) {
    setObjectName(QStringLiteral("TfmSelectPlayer"));
    setWindowTitle(QStringLiteral("Select Player"));
    lbPlayers_->setObjectName(QStringLiteral("lbPlayers"));
    for (const PlayerEntry& player : players_.List) {
        lbPlayers_->addItem(QString::fromStdString(player.Name));
    }
    lbPlayers_->setCurrentRow(players_.CurrentPlayer);

    auto* caption = new QLabel(QStringLiteral("&Who is playing?"));
    caption->setBuddy(lbPlayers_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* bnOK = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    bnOK->setObjectName(QStringLiteral("bnOK"));
    bnOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmSelectPlayer::bnOKClick);
    connect(lbPlayers_, &QListWidget::itemDoubleClicked, this, &TfmSelectPlayer::bnOKClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(lbPlayers_);
    layout->addWidget(buttons);
    resize(280, 240);
}

void TfmSelectPlayer::bnOKClick() {
    if (SetCurrentPlayer(players_, lbPlayers_->currentRow())) SavePlayers(store_, players_);
    accept();
}

}  // namespace tavolex
