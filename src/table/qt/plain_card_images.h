// Card pictures drawn plainly (rank and suit on white), pre-rendered once per layout.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <array>

namespace tavolex {

class PlainCardImages {
  public:
    void Build(int resolution, const std::array<QColor, 2>& backs, qreal devicePixelRatio);
    const QPixmap& Face(int cardId) const { return faces_[Slot(cardId)]; }
    const QPixmap& Highlighted(int cardId) const { return highlighted_[Slot(cardId)]; }
    const QPixmap& Back(int deck) const { return backs_[deck == 0 ? 0 : 1]; }
    QSize CardSize() const { return size_; }

  private:
    static int Slot(int cardId) { return cardId >= 1 && cardId <= 53 ? cardId - 1 : 52; }

    QSize size_;
    std::array<QPixmap, 53> faces_;
    std::array<QPixmap, 53> highlighted_;
    std::array<QPixmap, 2> backs_;
};

}  // namespace tavolex
