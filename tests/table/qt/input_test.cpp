// Clicks and keys at real positions of the table window reach the game.
#include "game/status_texts.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

// Worth 60 points: a valid opening meld on their own.
constexpr const char* kAces = "spadea cluba diamonda";

using InputTest = WindowTest;

TEST_F(InputTest, ClickOnTheStockDrawsAndThePromptFollows) {
    Lay({.playerHand = "heart9 spade5",
         .playerMelds = kAces,
         .stock = "club6",
         .playerHasDrawn = false});
    Click({layout().LeftMargin + 10, layout().StockTop + 20});
    EXPECT_EQ(Names(state().PlayerHand), "heart9 spade5 club6");
    EXPECT_EQ(window->StatusText().toStdString(), kPromptTexts[kPromptMeldOrDiscard]);
    EXPECT_TRUE(state().GameInProgress);
}

TEST_F(InputTest, ClickOnTheDiscardPileTakesIt) {
    Lay({.playerHand = "spade7 heart7",
         .playerMelds = "spade9 club9 heart9",
         .discardPile = "spade4 club4 diamond4 heart4 clubv diamond9",
         .playerHasDrawn = false});
    Click({layout().LeftMargin + 10, layout().DiscardTop + 20});
    EXPECT_TRUE(state().DiscardPile.Empty());
    EXPECT_GE(IndexOf(state().PlayerMelds, "diamond9"), 0);
}

TEST_F(InputTest, LeftClicksMeldACardOrARankAndAddAWildCard) {
    Lay({.playerHand = "heart9 club9 spade9 spade5 heart5 club5 joker heart4",
         .playerMelds = kAces});
    Click(OnHand("spade9"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(IndexOf(state().PlayerHand, "heart9"), -1);
    EXPECT_EQ(state().PlayerMelds.count, 6);

    Click(OnHand("heart5"));
    EXPECT_EQ(IndexOf(state().PlayerHand, "heart5"), -1);

    const CardRecord& nine = state().PlayerMelds.cards[IndexOf(state().PlayerMelds, "heart9")];
    Click(On(nine));
    EXPECT_EQ(IndexOf(state().PlayerHand, "joker"), -1);
}

TEST_F(InputTest, RightClickDiscardsAndTheComputerPlaysItsTurn) {
    Lay({.playerHand = "heart9 spade5 heart4",
         .playerMelds = kAces,
         .opponentHand = "club7 club8 diamond4 diamond6",
         .discardPile = "spade4"});
    Click(OnHand("spade5"), Qt::RightButton);
    EXPECT_EQ(IndexOf(state().PlayerHand, "spade5"), -1);
    EXPECT_FALSE(state().PlayerLocked);  // the computer's turn ran to its end
    EXPECT_EQ(state().Prompt, kPromptDraw);
}

TEST_F(InputTest, RightClickBeforeDrawingShowsTheErrorInRed) {
    Lay({.playerHand = "heart9 spade5", .playerMelds = kAces, .playerHasDrawn = false});
    Click(OnHand("spade5"), Qt::RightButton);
    EXPECT_EQ(state().PlayerHand.count, 2);
    EXPECT_EQ(window->StatusText().toStdString(), kErrorTexts[kErrorDiscardBeforeDraw]);
    EXPECT_TRUE(window->StatusShowsError());
    // tmLED returns the text to the normal style.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->StatusShowsError(); }, 2000));
}

TEST_F(InputTest, KeyboardPlayMeldsByRank) {
    Lay({.playerHand = "heart9 spade5 hearth", .playerMelds = kAces});
    QTest::keyClick(window->canvas(), Qt::Key_F8);
    EXPECT_EQ(state().Prompt, kPromptKeyMeld);
    QTest::keyClick(window->canvas(), Qt::Key_K);
    EXPECT_EQ(IndexOf(state().PlayerHand, "hearth"), -1);
    QTest::keyClick(window->canvas(), Qt::Key_Escape);
    EXPECT_EQ(state().Prompt, kPromptMeldOrDiscard);
}

TEST_F(InputTest, UndoAllFromTheMenuTakesTheMeldsBack) {
    Lay({.playerHand = "heart9 club9 spade9 spade5 heart4 club6", .playerMelds = kAces});
    Click(OnHand("spade9"), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(state().PlayerHand.count, 3);
    QTest::keyClick(window.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(state().PlayerHand.count, 6);
}

}  // namespace
}  // namespace tavolex::test
