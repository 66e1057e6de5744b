// The player's hand at every window size with the tallest columns the rules allow: every card's
// index strip lies above the status bar, shows that card and takes its clicks. With
// TAVOLEX_SCREENSHOT_DIR set it also leaves a picture of each size, to be looked at.
#include "game/hand_columns.h"

#include <QDir>

#include "table/hit_test.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

// Beyond the rounded corners of a card at every size.
constexpr int kCorner = 7;

class HandColumnsTest : public WindowTest, public ::testing::WithParamInterface<int> {
  protected:
    HandColumnsTest()
        : WindowTest((std::string("0,0,") + ScreenLayoutAt(GetParam()).name).c_str()) {}
};

TEST_P(HandColumnsTest, EightCardsOfARankStayInSightAndWithinReach) {
    ASSERT_EQ(table().Resolution, GetParam());
    // Eight kings and eight deuces (both packs' whole ranks), all four jokers, and one five.
    Lay({.playerHand = "spadeh spadeh clubh clubh hearth hearth diamondh diamondh "
                       "spade2 spade2 club2 club2 heart2 heart2 diamond2 diamond2 "
                       "joker joker joker joker heart5"});
    const int bottom = window->canvas()->height();
    ASSERT_EQ(table().VisibleBottom, bottom);
    const CardPile& hand = state().PlayerHand;
    const DrawnHand drawn = DrawHand(hand, layout(), bottom);
    const QImage painted = Painted();
    for (int i = 0; i < hand.count; ++i) {
        const CardRecord& card = hand.cards[i];
        const std::string name = CardNameOf(card.cardId);
        EXPECT_GE(drawn[i].shownHeight, kIndexStrip) << name;
        EXPECT_LE(drawn[i].y + layout().CardHeight, bottom) << name;
        const Hit hit = HitTest(table(), card.x + 5, drawn[i].y + 5);
        EXPECT_EQ(hit.index, i) << name;
        // The painted strip is the card's own: inside its rounded corners it matches the face.
        const QImage face = window->cards().Face(card.cardId).toImage();
        const qreal ratio = painted.devicePixelRatio();
        const QRect strip(QPoint(kCorner, 1) * ratio,
                          QSize(layout().CardWidth - 2 * kCorner, kIndexStrip - 1) * ratio);
        EXPECT_EQ(painted.copy(strip.translated(QPoint(card.x, drawn[i].y) * ratio))
                      .convertToFormat(QImage::Format_RGB32),
                  face.copy(strip).convertToFormat(QImage::Format_RGB32))
            << name;
    }
    const QString folder = qEnvironmentVariable("TAVOLEX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        window->grab().save(folder + "/tall-columns-" + ScreenLayoutAt(GetParam()).name + ".png");
    }
    // A column that fits keeps the place the layout gives it.
    const int lone = IndexOf(hand, "heart5");
    if (hand.cards[lone].y + layout().CardHeight <= bottom) {
        EXPECT_EQ(drawn[lone].y, hand.cards[lone].y);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, HandColumnsTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
