#include "table/qt/scoring_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

TfmScoring::TfmScoring(const ScoringInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfmScoring"));
    setWindowTitle(QStringLiteral("Scoring Results"));

    QGridLayout* scores = ScoreTable(ToQString(info.opponentLabel), info.playerTotal,
                                     info.opponentTotal, info.playerTotal - info.opponentTotal);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* details =
        buttons->addButton(QStringLiteral("&Details >>"), QDialogButtonBox::ActionRole);
    details->setObjectName(QStringLiteral("bnDetails"));
    details->setAutoDefault(false);
    details->setWhatsThis(QStringLiteral(
        "Shows how each side's score was made up: melds, cards left in hand, Canastas, red "
        "threes and the bonus for going out."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(details, &QPushButton::clicked, this, [this] { done(kDetailsResult); });

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(HeadingLabel(QStringLiteral("Hand Finished")));
    layout->addLayout(scores);
    layout->addWidget(buttons);
    InstallWhatsThisMenu(this);
    setMinimumWidth(300);
}

}  // namespace tavolex
