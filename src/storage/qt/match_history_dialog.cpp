#include "storage/qt/match_history_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace tavolex {

TfmMatchHistory::TfmMatchHistory(const std::vector<std::string>& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TfmMatchHistory"));
    setWindowTitle(QStringLiteral("Match History"));
    auto* lbMatches = new QListWidget;
    lbMatches->setObjectName(QStringLiteral("lbMatches"));
    lbMatches->setAlternatingRowColors(true);
    for (const std::string& text : texts) lbMatches->addItem(QString::fromStdString(text));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbMatches);
    layout->addWidget(buttons);
    resize(520, 360);
}

}  // namespace tavolex
