#include "table/qt/details_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

namespace {

// Rows of the table; the bonus and the total show a value only.
struct DetailRow {
    const char* caption;
    int32_t HandResult::*count;
    int32_t HandResult::*value;
};
constexpr DetailRow kRows[] = {
    {"Cards on the Table", &HandResult::meldCount, &HandResult::meldPoints},
    {"Cards in Hand", &HandResult::handCount, &HandResult::handPoints},
    {"Canastas", &HandResult::canastaCount, &HandResult::canastaBonus},
    {"Red Threes", &HandResult::redThreeCount, &HandResult::redThreePoints},
    {"Finish Bonus", nullptr, &HandResult::finishBonus},
    {"TOTAL", nullptr, &HandResult::total},
};
constexpr int kTotalRow = 5;

QLabel* ColumnHeading(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    return label;
}

}  // namespace

TfmDetails::TfmDetails(const DetailsInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfmDetails"));
    setWindowTitle(QStringLiteral("Detailed Scoring Results"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    const HandResult* sides[] = {&info.player, &info.opponent};
    const QString names[] = {ToQString(info.playerName), ToQString(info.opponentName)};
    for (int side = 0; side < 2; ++side) {
        const int column = 1 + 2 * side;
        auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(names[side].toHtmlEscaped()));
        name->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, column, 1, 2);
        grid->addWidget(ColumnHeading(QStringLiteral("Number")), 1, column);
        grid->addWidget(ColumnHeading(QStringLiteral("Value")), 1, column + 1);
    }
    grid->addWidget(HorizontalRule(), 2, 0, 1, 5);
    int gridRow = 3;
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row, ++gridRow) {
        if (row == kTotalRow) grid->addWidget(HorizontalRule(), gridRow++, 0, 1, 5);
        const bool total = row == kTotalRow;
        auto* caption = new QLabel(QLatin1String(kRows[row].caption));
        if (total) caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
        grid->addWidget(caption, gridRow, 0);
        for (int side = 0; side < 2; ++side) {
            const int column = 1 + 2 * side;
            if (kRows[row].count) {
                grid->addWidget(NumberLabel(sides[side]->*kRows[row].count), gridRow, column);
            }
            grid->addWidget(NumberLabel(sides[side]->*kRows[row].value, total), gridRow,
                            column + 1);
        }
    }
    grid->setColumnMinimumWidth(2, 60);
    grid->setColumnMinimumWidth(4, 60);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

}  // namespace tavolex
