// The window at each size that fits the screen, laid out with a game in its middle. With
// TAVOLEX_SCREENSHOT_DIR set it also leaves a picture of each, to be looked at.
#include <QDir>
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
    const QString folder = qEnvironmentVariable("TAVOLEX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        window->grab().save(folder + "/table-" + screen.name + ".png");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, WindowLayoutTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace tavolex::test
