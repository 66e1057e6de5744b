#include "table/qt/game_over_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

TfmGameOver::TfmGameOver(const GameOverInfo& info, MatchReporting reporting, QWidget* parent)
    : QDialog(parent), info_(info), reporting_(std::move(reporting)) {
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
            "Writes a mail message with both totals of this match to an address you give."));
        connect(send, &QPushButton::clicked, this, &TfmGameOver::bnSendResultClick);
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
                // The report's request keeps the window responsive: a second OK meanwhile
                // must not log the match twice.
                if (!logged_ && reporting_.logMatch) {
                    logged_ = true;
                    reporting_.logMatch(info_);
                }
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

void TfmGameOver::bnSendResultClick() {
    bool ok = false;
    const QString address = QInputDialog::getText(
        this, kProgramCaption, QStringLiteral("Email address to report this match to:"),
        QLineEdit::Normal, QString(), &ok);
    if (ok && reporting_.mailResult) reporting_.mailResult(info_, address.toStdString());
}

void TfmGameOver::Close(GameOverAnswer answer) {
    answer_ = answer;
    accept();
}

}  // namespace tavolex
