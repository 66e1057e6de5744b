#include "table/qt/game_over_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

TfmGameOver::TfmGameOver(const GameOverInfo& info,
                         std::function<void(const GameOverInfo&)> sendResult, QWidget* parent)
    : QDialog(parent), info_(info), sendResult_(std::move(sendResult)) {
    setObjectName(QStringLiteral("TfmGameOver"));
    setWindowTitle(kProgramCaption);

    auto* comment = new QLabel(ToQString(info.comment));
    comment->setObjectName(QStringLiteral("lbComment"));
    comment->setWordWrap(true);
    comment->setAlignment(Qt::AlignCenter);

    QGridLayout* scores = ScoreTable(ToQString(info.opponentScoreLabel), info.playerScore,
                                     info.opponentScore, info.margin);

    auto* question =
        new QLabel(info.networkGame ? QStringLiteral("Press OK to continue.")
                                    : QStringLiteral("Do you want to play another game?"));
    question->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox;
    if (info.networkGame) {
        buttons->addButton(QDialogButtonBox::Ok);
        QPushButton* send =
            buttons->addButton(QStringLiteral("Send &Result"), QDialogButtonBox::ActionRole);
        send->setObjectName(QStringLiteral("bnSendResult"));
        send->setAutoDefault(false);
        send->setWhatsThis(QStringLiteral(
            "Reports the result of this match, with both names and both totals, to the "
            "lobby's match list."));
        // One report per match: the button is spent once pressed.
        connect(send, &QPushButton::clicked, this, [this, send] {
            send->setEnabled(false);
            if (sendResult_) sendResult_(info_);
        });
    } else {
        buttons->addButton(QDialogButtonBox::Yes);
        buttons->addButton(QDialogButtonBox::No);
    }
    connect(buttons, &QDialogButtonBox::clicked, this, [this, buttons](QAbstractButton* button) {
        switch (buttons->standardButton(button)) {
            case QDialogButtonBox::Yes:
                Close(GameOverAnswer::Yes);
                break;
            case QDialogButtonBox::No:
                Close(GameOverAnswer::No);
                break;
            case QDialogButtonBox::Ok:
                Close(GameOverAnswer::Ok);
                break;
            default:
                break;
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(HeadingLabel(QStringLiteral("Game Over")));
    layout->addWidget(comment);
    layout->addLayout(scores);
    layout->addWidget(question);
    layout->addWidget(buttons);
    InstallWhatsThisMenu(this);
    setMinimumWidth(340);
}

void TfmGameOver::Close(GameOverAnswer answer) {
    answer_ = answer;
    accept();
}

}  // namespace tavolex
