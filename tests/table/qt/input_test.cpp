// Clicks and keys at real positions of the table window reach the game.
#include "game/status_texts.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

// Worth 60 points: a valid opening meld on their own.
constexpr const char* kAces = "spadea cluba diamonda";

using InputTest = WindowTest;

TEST_F(InputTest, RightClickBeforeDrawingShowsTheErrorInRedAndClickOnTheStockDraws) {
    Lay({.playerHand = "heart9 spade5",
         .playerMelds = kAces,
         .stock = "club6",
         .playerHasDrawn = false});
    Click(OnHand("spade5"), Qt::RightButton);
    EXPECT_EQ(window->StatusText().toStdString(), kErrorTexts[kErrorDiscardBeforeDraw]);
    EXPECT_TRUE(window->StatusShowsError());
    // tmLED returns the text to the normal style.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->StatusShowsError(); }, 2000));
    state().GameInProgress = false;  // any click starts the game: the draw must too

    Click({layout().LeftMargin + 10, layout().StockTop + 20});
    EXPECT_EQ(Names(state().PlayerHand), "heart9 spade5 club6");
    EXPECT_EQ(window->StatusText().toStdString(), kPromptTexts[kPromptMeldOrDiscard]);
    EXPECT_TRUE(state().GameInProgress);
}

TEST_F(InputTest, TheArmedCardShowsHighlightedUntilAnotherActionTheSecondClickDiscards) {
    table().DiscardOption = 1;
    Lay({.playerHand = "heart9 spade5 heart4",
         .playerMelds = kAces,
         .opponentHand = "club7 club8 diamond4 diamond6",
         .discardPile = "spade4"});
    const QPoint at = OnHand("spade5");
    const int cardId = *CardIdFromName("spade5");
    // OnHand points 5 pixels into the card.
    const auto shows = [&](const QPixmap& image) {
        return Painted().pixelColor(at) == image.toImage().pixelColor(5, 5);
    };
    ASSERT_NE(window->cards().Face(cardId).toImage().pixelColor(5, 5),
              window->cards().Highlighted(cardId).toImage().pixelColor(5, 5));
    Click(at, Qt::RightButton);
    EXPECT_TRUE(shows(window->cards().Highlighted(cardId)));
    Click({1, 1});  // nothing there, but it is another action
    EXPECT_TRUE(shows(window->cards().Face(cardId)));
    EXPECT_EQ(table().input.RightClickCard, -1);
    Click(at, Qt::RightButton);
    Click(at, Qt::RightButton);
    EXPECT_EQ(IndexOf(state().PlayerHand, "spade5"), -1);
    EXPECT_EQ(state().Prompt, kPromptDraw);  // the computer's turn ran to its end
}

// At 800 x 600 the hand's repaints stop short of the pile's count.
class PileCountTest : public WindowTest {
  protected:
    PileCountTest() : WindowTest("0,0,800x600") {}
};

TEST_F(InputTest, KeyboardPlayMeldsByRank) {
    Lay({.playerHand = "heart9 spade5 hearth", .playerMelds = kAces});
    QTest::keyClick(window->canvas(), Qt::Key_F8);
    QTest::keyClick(window->canvas(), Qt::Key_K);
    EXPECT_EQ(IndexOf(state().PlayerHand, "hearth"), -1);
    QTest::keyClick(window->canvas(), Qt::Key_Escape);
    EXPECT_EQ(state().Prompt, kPromptMeldOrDiscard);
}

}  // namespace
}  // namespace tavolex::test
