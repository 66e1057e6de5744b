// "Select Card Back Pattern": the ten patterns in a 5 x 2 grid; a left click selects one.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "options/card_back.h"

namespace tavolex {

class PatternGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PatternGrid(int selected, QWidget* parent = nullptr);
    int Selected() const { return selected_; }
    // Pattern size in logical pixels.
    QSize CellSize() const { return cellSize_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int selected_;
    QSize cellSize_;
    std::array<QPixmap, kPatternCount> patterns_;
    std::array<QPixmap, kPatternCount> highlighted_;
};

class TfmCardPattern : public QDialog {
    Q_OBJECT
  public:
    explicit TfmCardPattern(int pattern, QWidget* parent = nullptr);
    int Pattern() const { return grid_->Selected(); }

  private:
    PatternGrid* grid_;
};

}  // namespace tavolex
