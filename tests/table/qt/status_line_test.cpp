// The status bar: a menu's hint gives way to the turn's prompt when the menu closes, and the
// score panels are readable from the moment the window shows.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

#include "window_fixture.h"

namespace tavolex::test {
namespace {

class StatusLineTest : public WindowTest {
  protected:
    StatusLineTest() : WindowTest("0,0,640x480", false) {}
};

TEST_F(StatusLineTest, ScorePanelsHaveTheirWidthBeforeTheFirstDealAndAMenuHintEndsWithItsMenu) {
    for (const char* name : {"pnPCurrScore", "pnPCurrMeld", "pnCCurrScore", "pnCCurrMeld"}) {
        const QLabel* panel = window->findChild<QLabel*>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(panel->text().isEmpty()) << name;
        EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text())) << name;
    }

    window->tmSplashTimer();
    const QString prompt = window->StatusText();
    QMenu* game = window->menuBar()->actions().first()->menu();
    game->popup(window->mapToGlobal(QPoint(0, 0)));
    QStatusTipEvent hint("Start a new game");
    QCoreApplication::sendEvent(window.get(), &hint);
    EXPECT_EQ(window->StatusText(), "Start a new game");
    game->hide();
    EXPECT_EQ(window->StatusText(), prompt);
}

}  // namespace
}  // namespace tavolex::test
