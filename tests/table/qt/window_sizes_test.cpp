// The window at each size, laid out with a game in its middle: the tallest hand columns stay in
// sight and within reach.

#include "table/hit_test.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

// Beyond the rounded corners of a card at every size.
constexpr int kCorner = 7;

class WindowSizeTest : public WindowTest, public ::testing::WithParamInterface<int> {
  protected:
    WindowSizeTest() : WindowTest(Placement(GetParam()).c_str()) {}
    static std::string Placement(int layout) {
        return std::string("0,0,") + ScreenLayoutAt(layout).name;
    }
};

// Every card's index strip lies above the status bar, shows that card and takes its clicks.
TEST_P(WindowSizeTest, EightCardsOfARankStayInSightAndWithinReach) {
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
        EXPECT_EQ(HitTest(table(), card.x + 5, drawn[i].y + 5).index, i) << name;
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
    // A column that fits keeps the place the layout gives it.
    const int lone = IndexOf(hand, "heart5");
    if (hand.cards[lone].y + layout().CardHeight <= bottom) {
        EXPECT_EQ(drawn[lone].y, hand.cards[lone].y);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, WindowSizeTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
