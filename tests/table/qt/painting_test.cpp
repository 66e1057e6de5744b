// A back picture that cannot be shown, and the painted table: every card where its pile says, the
// pile box's counts and the canasta labels, at every window size.
#include <QPainter>
#include <QTemporaryDir>

#include "busy_table.h"
#include "game/table_layout.h"
#include "options/qt/stored_color.h"
#include "table/qt/card_images.h"
#include "table/qt/table_painter.h"

namespace tavolex::test {
namespace {

QRgb CentrePixel(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

// A picture that cannot be shown (missing, or too large to load) falls back to the default
// colour; a good one shows with magenta transparent.
TEST(CardImagesTest, APictureThatCannotBeShownFallsBackToTheDefaultColour) {
    QTemporaryDir folder;
    const QString huge = folder.filePath("huge.png");
    QImage(9000, 10, QImage::Format_RGB32).save(huge);
    const QString good = folder.filePath("good.bmp");
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.save(good);

    for (const QString& name : {folder.filePath("missing.bmp"), huge}) {
        const QPixmap back =
            RenderCardBack({kPictureBack, 0xFFFFFF, name.toStdString(), 0}, 1, 0, QSize(42, 65), 1);
        EXPECT_EQ(QColor(CentrePixel(back)), QColor(128, 64, 0)) << name.toStdString();
    }
    const QPixmap back =
        RenderCardBack({kPictureBack, 0, good.toStdString(), 0}, 0, 0, QSize(40, 60), 1);
    EXPECT_EQ(QColor(CentrePixel(back)), QColor(0, 0, 255));
    EXPECT_EQ(qAlpha(back.toImage().pixel(0, 0)), 0) << "magenta shows the table through";
}

const QColor kFelt(0, 128, 0);

// The painter alone on a table of the layout, as the window paints it into its backing image.
class PaintTest : public ::testing::TestWithParam<int> {
  protected:
    PaintTest() : game(1, GetParam()) { cards.Build(GetParam(), CardBacks{}, 1.0); }

    QImage Painted(const Position& position) {
        BuildPosition(game, position);
        const ScreenLayout& screen = ScreenLayoutAt(GetParam());
        QImage image(screen.windowWidth, screen.windowHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintTable(painter, game.table, cards, kFelt, image.rect());
        return image;
    }

    HeadlessGame game;
    CardImages cards;
};

TEST_P(PaintTest, EveryCardIsDrawnAtItsPlaceCanastasAreLabelledAndAFrozenCountBracketed) {
    const QImage image = Painted(kBusyTable);
    const TableLayout& l = game.table.layout;
    const GameState& state = game.state();
    // A pixel of a card's visible strip (the top 12 pixels of a covered card) is not felt.
    const auto expectDrawn = [&](int x, int y, const std::string& what) {
        EXPECT_NE(image.pixelColor(x, y).rgb(), kFelt.rgb()) << what << " at " << x << "," << y;
    };
    for (const CardPile* pile : {&state.PlayerHand, &state.PlayerMelds, &state.OpponentMelds}) {
        for (const CardRecord& card : *pile)
            expectDrawn(card.x + l.CardWidth / 2, card.y + 6, CardNameOf(card.cardId));
    }
    expectDrawn(l.LeftMargin + l.CardWidth / 2, l.StockTop + 6, "stock");
    expectDrawn(l.LeftMargin + l.CardWidth / 2, l.DiscardTop + 6, "discard");
    // The opponent's row: one card every HandOverlap pixels.
    for (int i = 0; i < state.OpponentHand.count; ++i)
        expectDrawn(l.LeftMargin + i * state.HandOverlap + 4, l.CardHeight / 2, "opponent's card");

    const auto yellowAt = [&](int x, int y) { return image.pixelColor(x, y) == Qt::yellow; };
    const int ownLabel = l.OwnMeldTop + l.CardHeight + 16;
    EXPECT_TRUE(yellowAt(l.ColumnLeft(8) + 2, ownLabel));    // the mixed nines
    EXPECT_FALSE(yellowAt(l.ColumnLeft(12) + 2, ownLabel));  // three kings
    EXPECT_TRUE(yellowAt(l.ColumnLeft(10) + 2, l.OpponentMeldTop - 16));

    // The count under the discard pile loses its brackets when the pile is not frozen.
    Position open = kBusyTable;
    open.pileFrozen = false;
    const QRect count(0, l.MiddleY + l.CardHeight + 3, l.LeftMargin + l.CardWidth, 12);
    EXPECT_NE(Painted(open).copy(count), image.copy(count));
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, PaintTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
