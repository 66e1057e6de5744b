// Where the window opens, what the command line asks for, and the pace of a card's move.
#include <gtest/gtest.h>

#include "table/card_move.h"
#include "table/command_line.h"
#include "table/window_placement.h"

namespace tavolex {
namespace {

TEST(WindowPlacement, OffScreenPositionAndTooWideLayoutAreMended) {
    const WindowPlacement placement = PlaceWindow("-5,30,1280x1024", 1024, 768);
    EXPECT_EQ(placement.left, 0);
    EXPECT_EQ(placement.top, 30);
    EXPECT_EQ(placement.resolution, 2);
    EXPECT_TRUE(placement.maximised);  // the screen is exactly as wide as the layout

    const WindowPlacement below = PlaceWindow("12,900,800x600", 1280, 800);
    EXPECT_EQ(below.left, 12);
    EXPECT_EQ(below.top, 0);
    EXPECT_EQ(below.resolution, 1);
    EXPECT_FALSE(below.maximised);
}

TEST(WindowPlacement, DamagedValuesGiveTheSmallestLayoutAtTheCorner) {
    for (const char* stored : {"", "garbage", "1x,2y,1024x768x", "3,4", ",,,,"}) {
        const WindowPlacement placement = PlaceWindow(stored, 1920, 1080);
        EXPECT_EQ(placement.resolution, 0) << stored;
        EXPECT_GE(placement.left, 0) << stored;
    }
    EXPECT_EQ(PlaceWindow("3,4", 1920, 1080).left, 3);
}

TEST(WindowPlacement, DefaultIsTheLargestLayoutThatFitsAndRoundTrips) {
    EXPECT_EQ(LargestLayout(1279), 2);
    EXPECT_EQ(LargestLayout(1280), 3);
    EXPECT_EQ(LargestLayout(799), 0);
    EXPECT_EQ(DefaultResolutionText(1024), "0,0,1024x768");
    EXPECT_EQ(ResolutionText(12, 40, 1), "12,40,800x600");
    const WindowPlacement back = PlaceWindow(ResolutionText(12, 40, 1), 1920, 1080);
    EXPECT_EQ(back.left, 12);
    EXPECT_EQ(back.top, 40);
    EXPECT_EQ(back.resolution, 1);
}

TEST(CommandLine, FirstArgumentDecidesWhatOpens) {
    const std::string autosave = "/p/autosave.tvx";
    EXPECT_EQ(EvaluateCommandLine({}, true, autosave).loadFileName, autosave);
    EXPECT_FALSE(EvaluateCommandLine({}, false, autosave).loadFileName);
    // A file argument wins over the autosave file; only the first argument counts.
    EXPECT_EQ(EvaluateCommandLine({"game.tvx", "other.tvx"}, true, autosave).loadFileName,
              "game.tvx");
    EXPECT_FALSE(EvaluateCommandLine({"/setup"}, true, autosave).loadFileName);
    EXPECT_FALSE(EvaluateCommandLine({"GAME.TVX"}, true, autosave).loadFileName);
    EXPECT_FALSE(EvaluateCommandLine({"/Setup"}, true, autosave).loadFileName);
    const StartupCommand lobby = EvaluateCommandLine({"/ip:1.2.3.4"}, true, autosave);
    EXPECT_TRUE(lobby.openLobby);
    EXPECT_FALSE(lobby.loadFileName);
}

TEST(CardMove, StepsFromTheSpeedRoundHalfToEven) {
    EXPECT_EQ(CardMoveSteps(10), 9);
    EXPECT_EQ(CardMoveSteps(7), 12);  // 12.5
    EXPECT_EQ(CardMoveSteps(3), 25);
    EXPECT_EQ(CardMoveSteps(0), 100);
    EXPECT_EQ(CardMoveSteps(-4), 100);
    EXPECT_EQ(CardMoveSteps(99), 9);
}

}  // namespace
}  // namespace tavolex
