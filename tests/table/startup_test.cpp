// Where the window opens, what the command line asks for, and the pace of a card's move.
#include <gtest/gtest.h>

#include "table/card_move.h"
#include "table/command_line.h"
#include "table/window_placement.h"

namespace tavolex {
namespace {

TEST(WindowPlacement, OffScreenPositionAndTooWideLayoutAreMended) {
    const WindowPlacement placement = PlaceWindow(-5, 30, 3, 1024, 768);
    EXPECT_EQ(placement.left, 0);
    EXPECT_EQ(placement.top, 30);
    EXPECT_EQ(placement.resolution, 2);
    EXPECT_TRUE(placement.maximised);  // the screen is exactly as wide as the layout

    const WindowPlacement below = PlaceWindow(12, 900, 1, 1280, 800);
    EXPECT_EQ(below.left, 12);
    EXPECT_EQ(below.top, 0);
    EXPECT_EQ(below.resolution, 1);
    EXPECT_FALSE(below.maximised);
    EXPECT_EQ(PlaceWindow(1281, 5, 9, 1280, 1024).left, 0);
}

TEST(WindowPlacement, LargestLayoutThatFitsTheScreen) {
    EXPECT_EQ(LargestLayout(1279), 2);
    EXPECT_EQ(LargestLayout(1280), 3);
    EXPECT_EQ(LargestLayout(800), 1);
    EXPECT_EQ(LargestLayout(799), 0);
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
    // The whole move: a quarter second at full speed, a second at the slowest.
    EXPECT_EQ(CardMoveMilliseconds(10), 250);
    EXPECT_EQ(CardMoveMilliseconds(5), 625);
    EXPECT_EQ(CardMoveMilliseconds(-1), 1000);
}

}  // namespace
}  // namespace tavolex
