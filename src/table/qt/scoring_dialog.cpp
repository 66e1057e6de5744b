#include "table/qt/scoring_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

TfmScoring::TfmScoring(const ScoringInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfmScoring"));
    setWindowTitle(QStringLiteral("Scoring Results"));

    auto* scores = new QGridLayout;
    scores->setHorizontalSpacing(24);
    scores->setColumnStretch(0, 1);
    AddScoreRow(scores, 0, QStringLiteral("Your Score:"), info.playerTotal);
    AddScoreRow(scores, 1, ToQString(info.opponentLabel), info.opponentTotal);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    scores->addWidget(rule, 2, 0, 1, 2);
    scores->addWidget(new QLabel(QStringLiteral("Difference:")), 3, 0);
    scores->addWidget(NumberLabel(info.playerTotal - info.opponentTotal, true), 3, 1);

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
