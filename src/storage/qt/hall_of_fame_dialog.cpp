#include "storage/qt/hall_of_fame_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "game/dialogs.h"

namespace tavolex {

namespace {

const char* const kLevelCaptions[kHighscoreLevels] = {"&Beginner", "&Advanced", "&Expert",
                                                      "&Network"};
const char* const kTypeCaptions[kHighscoreKinds] = {"&Hand", "&Match"};

template <size_t N>
QGroupBox* MakeRadioGroup(const char* name, const QString& caption, const char* const (&items)[N],
                          int checked, QButtonGroup*& buttons) {
    auto* group = new QGroupBox(caption);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    buttons = new QButtonGroup(group);
    for (size_t id = 0; id < N; ++id) {
        auto* button = new QRadioButton(QString::fromLatin1(items[id]));
        buttons->addButton(button, static_cast<int>(id));
        layout->addWidget(button);
    }
    layout->addStretch();
    if (QAbstractButton* button = buttons->button(checked)) button->setChecked(true);
    return group;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment, bool bold) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
    return item;
}

}  // namespace

TfmHallOfFame::TfmHallOfFame(Highscores& highscores, SettingsStore& store, Dialogs& dialogs,
                             int level, int kind, int newRow, QWidget* parent)
    : QDialog(parent),
      highscores_(highscores),
      store_(store),
      dialogs_(dialogs),
      grScores_(new QTableWidget(kHighscoreRows, 4)),
      newLevel_(std::clamp(level, 0, kHighscoreLevels - 1)),
      newKind_(std::clamp(kind, 0, kHighscoreKinds - 1)),
      newRow_(newRow) {
    setObjectName(QStringLiteral("TfmHallOfFame"));
    setWindowTitle(QStringLiteral("Hall of Fame"));

    auto* choices = new QVBoxLayout;
    choices->addWidget(
        MakeRadioGroup("rgLevel", QStringLiteral("&Level"), kLevelCaptions, newLevel_, rgLevel_));
    choices->addWidget(MakeRadioGroup("rgType", QStringLiteral("&Type of Highscore"), kTypeCaptions,
                                      kind, rgType_));
    choices->addStretch();

    grScores_->setObjectName(QStringLiteral("grScores"));
    grScores_->setHorizontalHeaderLabels({QStringLiteral("Ranking"), QStringLiteral("Player"),
                                          QStringLiteral("Date"), QStringLiteral("Score")});
    grScores_->verticalHeader()->hide();
    grScores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grScores_->setSelectionMode(QAbstractItemView::NoSelection);
    grScores_->setFocusPolicy(Qt::NoFocus);
    grScores_->setShowGrid(false);
    grScores_->setAlternatingRowColors(true);
    QHeaderView* header = grScores_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setHighlightSections(false);
    // All ten rows in view, without a scroll bar.
    grScores_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grScores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grScores_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grScores_->setMinimumSize(
        400, header->sizeHint().height() +
                 kHighscoreRows * grScores_->verticalHeader()->defaultSectionSize() +
                 2 * grScores_->frameWidth());

    auto* body = new QHBoxLayout;
    body->addLayout(choices);
    body->addWidget(grScores_, 1);

    auto* bnClear = new QPushButton(QStringLiteral("&Clear"));
    bnClear->setObjectName(QStringLiteral("bnClear"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->addButton(bnClear, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bnClear, &QPushButton::clicked, this, &TfmHallOfFame::bnClearClick);
    connect(rgLevel_, &QButtonGroup::idClicked, this, &TfmHallOfFame::ShowTable);
    connect(rgType_, &QButtonGroup::idClicked, this, &TfmHallOfFame::ShowTable);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    ShowTable();
    resize(620, sizeHint().height());
}

void TfmHallOfFame::ShowTable() {
    const int level = rgLevel_->checkedId();
    const int kind = rgType_->checkedId();
    const HighscoreTable& table = highscores_[level][kind];
    for (int row = 0; row < kHighscoreRows; ++row) {
        const HighscoreEntry& entry = table.Entries[row];
        const bool bold = level == newLevel_ && kind == newKind_ && row == newRow_;
        const bool empty = entry.Score == 0 && entry.Name.empty();
        grScores_->setItem(row, 0, Cell(QString::number(row + 1), Qt::AlignRight, bold));
        grScores_->setItem(row, 1, Cell(QString::fromStdString(entry.Name), Qt::AlignLeft, bold));
        grScores_->setItem(row, 2, Cell(QString::fromStdString(entry.Date), Qt::AlignLeft, bold));
        grScores_->setItem(
            row, 3, Cell(empty ? QString() : QString::number(entry.Score), Qt::AlignRight, bold));
    }
}

void TfmHallOfFame::bnClearClick() {
    const int level = rgLevel_->checkedId();
    const int kind = rgType_->checkedId();
    const QString levelName = rgLevel_->button(level)->text().remove(u'&');
    if (!dialogs_.AskYesNo("Are you sure you want to clear all highscores for the " +
                           levelName.toStdString() + " level?")) {
        return;
    }
    ClearHighscoreTable(store_, level, kind, highscores_[level][kind]);
    if (level == newLevel_ && kind == newKind_) newRow_ = -1;
    ShowTable();
}

}  // namespace tavolex
