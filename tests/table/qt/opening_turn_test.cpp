// What the player sees when the computer opens a hand: the whole new deal on the table and the
// splash gone before the computer's first card moves.
#include <QPainter>

#include "table/qt/table_painter.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

class OpeningTurnTest : public WindowTest {
  protected:
    OpeningTurnTest() : WindowTest("0,0,800x600", false, true) {
        QObject::connect(window.get(), &TfmTvxMain::StartedUp, [this] { splashClosed = true; });
        window->canvas()->installEventFilter(&firstMove);
        firstMove.test = this;
    }

    // At the first paint that shows a card on its way: the table as the backing image holds it,
    // and the table as it should look, painted afresh from the game at that moment.
    struct FirstMove : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() != QEvent::Paint || seen ||
                !test->window->canvas()->ShowsFloatingCard())
                return false;
            seen = true;
            shown = test->window->canvas()->Backing().toImage();
            splashClosed = test->splashClosed;
            expected = QImage(shown.size(), shown.format());
            expected.setDevicePixelRatio(shown.devicePixelRatio());
            QPainter painter(&expected);
            PaintTable(painter, test->table(), test->window->cards(), shown.pixelColor(1, 1),
                       QRect(QPoint(), shown.deviceIndependentSize().toSize()));
            return false;
        }
        OpeningTurnTest* test = nullptr;
        bool seen = false;
        bool splashClosed = false;
        QImage shown;
        QImage expected;
    } firstMove;
    bool splashClosed = false;

    // From the divider down (the player's melds and hand, the discard pile, the frame), nothing
    // the computer's first move can have changed yet.
    void ExpectNewDealShown() {
        ASSERT_TRUE(firstMove.seen);
        EXPECT_TRUE(firstMove.splashClosed);
        const int top = layout().MiddleY * firstMove.shown.devicePixelRatio();
        const QRect below(0, top, firstMove.shown.width(), firstMove.shown.height() - top);
        EXPECT_TRUE(firstMove.shown.copy(below) == firstMove.expected.copy(below));
    }
};

TEST_F(OpeningTurnTest, AFreshStartAndANewGameShowTheirWholeDealBeforeTheComputersFirstMove) {
    state().PlayerStartsNext = false;
    window->tmSplashTimer();
    ExpectNewDealShown();

    // A new game shows its own deal, not the one just played.
    firstMove.seen = false;
    state().PlayerStartsNext = false;
    QTest::keyClick(window.get(), Qt::Key_F2);  // Game, New
    ExpectNewDealShown();
}

}  // namespace
}  // namespace tavolex::test
