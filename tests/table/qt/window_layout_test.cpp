// The window at each size that fits the screen, laid out with a game in its middle. With
// TAVOLEX_SCREENSHOT_DIR set it also leaves a picture of each, to be looked at.
#include <QPushButton>
#include <QScreen>

#include "busy_table.h"
#include "table/window_placement.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

class WindowLayoutTest : public WindowTest, public ::testing::WithParamInterface<int> {
  protected:
    WindowLayoutTest() : WindowTest(Placement(GetParam()).c_str()) {}
    static std::string Placement(int layout) {
        return std::string("0,0,") + ScreenLayoutAt(layout).name;
    }
};

TEST_P(WindowLayoutTest, TheTableFillsTheWindowOfItsSize) {
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    if (GetParam() > LargestLayout(screenWidth)) GTEST_SKIP() << "the screen is too small";
    EXPECT_EQ(table().Resolution, GetParam());
    Lay(kBusyTable);
    const ScreenLayout& screen = ScreenLayoutAt(GetParam());
    EXPECT_GE(window->canvas()->width(), DefaultClientWidth(GetParam()));
    // The player's hand row begins above the status bar.
    EXPECT_LT(layout().OwnHandTop + 3 * kCardStep, window->canvas()->height());
    SaveScreenshot(QString("table-") + screen.name);
}

// Full ace and king columns on both sides and the tallest hand column under the button's columns.
TEST_P(WindowLayoutTest, EndHandCoversNoCard) {
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    if (GetParam() > LargestLayout(screenWidth)) GTEST_SKIP() << "the screen is too small";
    Lay({.playerHand = "spadev clubv diamondv heartv spadev clubv diamondv heartv heart4 spade7",
         .playerMelds = "spadea cluba diamonda hearta joker club2 | spadeh clubh diamondh hearth "
                        "spade2 diamond2",
         .opponentHand = "club6 diamond6 spade6 club7 diamond10 heart10 clubb diamond3 spade3",
         .opponentMelds = "spadea cluba diamonda hearta joker joker | spadeh clubh diamondh "
                          "hearth heart2 spade2",
         .discardPile = "spade4 diamond4"});
    window->ShowEndHandButton(true);
    const QRect button = window->findChild<QPushButton*>("bnEndHand")->geometry();
    EXPECT_TRUE(window->canvas()->rect().contains(button));
    const QSize card(layout().CardWidth, layout().CardHeight);
    const auto expectClear = [&](const CardPile& pile, const char* what) {
        for (const CardRecord& c : pile) {
            EXPECT_FALSE(button.intersects(QRect(QPoint(c.x, c.y), card)))
                << what << " " << CardNameOf(c.cardId);
        }
    };
    expectClear(state().PlayerMelds, "own meld");
    expectClear(state().OpponentMelds, "opponent meld");
    const DrawnHand drawn = DrawHand(state().PlayerHand, layout(), table().VisibleBottom);
    for (int i = 0; i < state().PlayerHand.count; ++i) {
        const CardRecord& c = state().PlayerHand.cards[i];
        EXPECT_FALSE(button.intersects(QRect(QPoint(c.x, drawn[i].y), card)))
            << "hand " << CardNameOf(c.cardId);
    }
    // The opponent's row as it is drawn: one card every HandOverlap pixels.
    const QRect row(layout().LeftMargin, 5,
                    (state().OpponentHand.count - 1) * state().HandOverlap + card.width(),
                    card.height());
    EXPECT_FALSE(button.intersects(row));
    SaveScreenshot(QString("end-hand-") + ScreenLayoutAt(GetParam()).name);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, WindowLayoutTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
