// The painted table: every card where its pile says, the pile box's counts and the canasta
// labels, at every window size.
#include <gtest/gtest.h>

#include <QPainter>

#include "busy_table.h"
#include "table/qt/card_images.h"
#include "table/qt/table_painter.h"

namespace tavolex::test {
namespace {

QColor Background() {
    return QColor(0, 128, 0);
}

// A pixel of a card's visible strip (the top 12 pixels of a covered card) differs from the felt.
void ExpectDrawn(const QImage& image, int x, int y, const std::string& what) {
    const QColor pixel = image.pixelColor(QPoint(x, y) * image.devicePixelRatio());
    EXPECT_NE(pixel.rgb(), Background().rgb()) << what << " at " << x << "," << y;
}

void ExpectPileDrawn(const QImage& image, const CardPile& pile, const TableLayout& layout,
                     const char* name) {
    for (const CardRecord& card : pile) {
        ExpectDrawn(image, card.x + layout.CardWidth / 2, card.y + 6,
                    std::string(name) + " " + CardNameOf(card.cardId));
    }
}

// The painter alone on a table of the layout, as the window paints it into its backing image.
class PaintTest : public ::testing::TestWithParam<int> {
  protected:
    PaintTest() : game(1, GetParam()) { cards.Build(GetParam(), CardBacks{}, 1.0); }

    const TableLayout& layout() { return game.table.layout; }
    GameState& state() { return game.state(); }
    void Lay(const Position& position) { BuildPosition(game, position); }
    QImage Painted() {
        const ScreenLayout& screen = ScreenLayoutAt(GetParam());
        QImage image(screen.windowWidth, screen.windowHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintTable(painter, game.table, cards, Background(), image.rect());
        return image;
    }

    HeadlessGame game;
    CardImages cards;
};

TEST_P(PaintTest, EveryCardOfEveryPileIsDrawnAtItsPlace) {
    Lay(kBusyTable);
    const QImage image = Painted();
    const TableLayout& l = layout();
    ExpectPileDrawn(image, state().PlayerHand, l, "hand");
    ExpectPileDrawn(image, state().PlayerMelds, l, "own meld");
    ExpectPileDrawn(image, state().OpponentMelds, l, "opponent meld");
    ExpectDrawn(image, l.LeftMargin + l.CardWidth / 2, l.StockTop + 6, "stock");
    ExpectDrawn(image, l.LeftMargin + l.CardWidth / 2, l.DiscardTop + 6, "discard");
    // The opponent's row: one card every HandOverlap pixels.
    for (int i = 0; i < state().OpponentHand.count; ++i) {
        ExpectDrawn(image, l.LeftMargin + i * state().HandOverlap + 4, l.CardHeight / 2,
                    "opponent's card " + std::to_string(i));
    }
}

TEST_P(PaintTest, CanastasCarryTheirYellowLabelsOnBothSides) {
    Lay(kBusyTable);
    const QImage image = Painted();
    const TableLayout& l = layout();
    const auto yellowAt = [&](int x, int y) {
        return image.pixelColor(QPoint(x, y) * image.devicePixelRatio()) == QColor(255, 255, 0);
    };
    const int ownLabel = l.OwnMeldTop + l.CardHeight + 16;
    EXPECT_TRUE(yellowAt(l.ColumnLeft(8) + 2, ownLabel));    // the mixed nines
    EXPECT_TRUE(yellowAt(l.ColumnLeft(4) + 2, ownLabel));    // the natural fives
    EXPECT_FALSE(yellowAt(l.ColumnLeft(12) + 2, ownLabel));  // three kings
    EXPECT_TRUE(yellowAt(l.ColumnLeft(10) + 2, l.OpponentMeldTop - 16));
    EXPECT_FALSE(yellowAt(l.ColumnLeft(9) + 2, l.OpponentMeldTop - 16));
}

// The count under the discard pile is wider in its frozen brackets.
TEST_P(PaintTest, AFrozenPileShowsItsCountInBrackets) {
    const auto countWidth = [&](bool frozen) {
        Position position = kBusyTable;
        position.pileFrozen = frozen;
        Lay(position);
        const QImage image = Painted();
        const TableLayout& l = layout();
        const int top = l.MiddleY + l.CardHeight + 3;
        int left = 1000, right = -1;
        for (int y = top; y < top + 12; ++y) {
            for (int x = 0; x < l.LeftMargin + l.CardWidth; ++x) {
                if (image.pixelColor(QPoint(x, y) * image.devicePixelRatio()) != Qt::black)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        return right - left;
    };
    const int open = countWidth(false);
    EXPECT_GT(open, 0);
    EXPECT_GT(countWidth(true), open + 4);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, PaintTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
