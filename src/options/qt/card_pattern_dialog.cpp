#include "options/qt/card_pattern_dialog.h"

#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/table_layout.h"
#include "options/pattern_grid.h"
#include "table/qt/card_images.h"

namespace tavolex {

namespace {
// The grid shows the 800 x 600 patterns, as the back preview does.
constexpr int kPreviewLayout = 1;
}  // namespace

PatternGrid::PatternGrid(int selected, QWidget* parent)
    : QWidget(parent), selected_(selected < 0 || selected >= kPatternCount ? 0 : selected) {
    const ScreenLayout& screen = ScreenLayoutAt(kPreviewLayout);
    cellSize_ = QSize(screen.cardWidth, screen.cardHeight);
    const qreal ratio = devicePixelRatioF();
    for (int index = 0; index < kPatternCount; ++index) {
        const CardBackRecord back{kPatternBack, 0, "", static_cast<uint8_t>(index)};
        patterns_[index] = RenderCardBack(back, 0, kPreviewLayout, cellSize_, ratio);
        highlighted_[index] = HighlightedStyle(patterns_[index]);
    }
    const GridCell extent = PatternGridExtent(cellSize_.width(), cellSize_.height());
    setFixedSize(extent.x, extent.y);
    setWhatsThis(tr("Click the pattern you want on the back of the cards."));
}

void PatternGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int index = 0; index < kPatternCount; ++index) {
        const GridCell cell = PatternCellOrigin(index, cellSize_.width(), cellSize_.height());
        const bool selected = index == selected_;
        painter.drawPixmap(cell.x, cell.y, selected ? highlighted_[index] : patterns_[index]);
        if (selected) {
            // A frame in the gap round the cell marks the choice on dark patterns too.
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(QRect(QPoint(cell.x, cell.y), cellSize_).adjusted(-2, -2, 1, 1));
        }
    }
}

void PatternGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const int index = PatternCellAt(at.x(), at.y(), cellSize_.width(), cellSize_.height());
    if (index < 0) return;
    selected_ = index;
    update();
}

TfmCardPattern::TfmCardPattern(int pattern, QWidget* parent)
    : QDialog(parent), grid_(new PatternGrid(pattern, this)) {
    setWindowTitle("Select Card Back Pattern");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tavolex
