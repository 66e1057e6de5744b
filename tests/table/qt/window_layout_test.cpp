// The window at each size that fits the screen, laid out with a game in its middle. With
// TAVOLEX_SCREENSHOT_DIR set it also leaves a picture of each, to be looked at.
#include <QDir>
#include <QScreen>

#include "table/window_placement.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

const Position kMidGame = {
    .playerHand =
        "heart4 club4 heart6 spade7 spade7 heart8 club8 diamond8 heartv spadea joker "
        "club2",
    .playerMelds =
        "spade9 club9 diamond9 heart9 spade9 club9 joker | hearth clubh spadeh | "
        "heart5 club5 diamond5 spade5 heart5 club5 diamond5 | heart3",
    .opponentHand = "club6 diamond6 spade6 club7 diamond10 heart10 clubb diamond3 spade3",
    .opponentMelds =
        "spadeb clubb diamondb heartb spadeb diamondb heart2 | spade10 club10 club2 "
        "| diamonda hearta",
    .discardPile = "spade4 diamond4 club3 diamondv heart7 diamond7",
    .playerScore = 1270,
    .opponentScore = 985,
    .pileFrozen = true};

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
    Lay(kMidGame);
    const ScreenLayout& screen = ScreenLayoutAt(GetParam());
    EXPECT_GE(window->canvas()->width(), DefaultClientWidth(GetParam()));
    // The player's hand row begins above the status bar.
    EXPECT_LT(layout().OwnHandTop + 3 * kCardStep, window->canvas()->height());
    const QString folder = qEnvironmentVariable("TAVOLEX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        window->grab().save(folder + "/table-" + screen.name + ".png");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, WindowLayoutTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
