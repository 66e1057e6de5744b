// The card images of one screen layout: 53 faces and the two backs, pre-rendered at the
// screen's device-pixel ratio so cards stay sharp on high-density screens.
#pragma once

#include <QPixmap>
#include <QSize>
#include <array>

#include "options/card_back.h"
#include "options/card_image_names.h"

namespace tavolex {

class CardImages {
  public:
    // Builds the 55 images of a screen layout (0..3) at the device-pixel ratio.
    void Build(int resolution, const CardBacks& backs, qreal devicePixelRatio);
    // Re-renders only the backs that differ from the ones built.
    void ApplyCardBacks(const CardBacks& backs);
    // cardId 1..53; any other id gives a null pixmap.
    const QPixmap& Face(int cardId) const;
    // The face in the selected style (move highlight), made on first use.
    const QPixmap& Highlighted(int cardId) const;
    // Deck 0 or 1; any other value shows back 0.
    const QPixmap& Back(int deck) const;
    // Logical pixels.
    QSize CardSize() const { return cardSize_; }
    int Resolution() const { return resolution_; }
    const CardBacks& Backs() const { return backs_; }

  private:
    int resolution_ = -1;
    qreal devicePixelRatio_ = 1;
    QSize cardSize_;
    CardBacks backs_;
    std::array<QPixmap, kFaceImages> faces_;
    mutable std::array<QPixmap, kFaceImages> highlighted_;
    std::array<QPixmap, 2> backImages_;
    QPixmap none_;
};

// One back at a given logical size; patterns come from the layout's images (the dialog's
// preview uses the 800 x 600 ones). A picture that cannot be shown gives the deck's default
// colour back.
QPixmap RenderCardBack(const CardBackRecord& back, int deck, int resolution, QSize size,
                       qreal devicePixelRatio);
// An image blended with the highlight colour where it is not transparent.
QPixmap HighlightedStyle(const QPixmap& image);

}  // namespace tavolex
