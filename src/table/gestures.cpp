#include "table/gestures.h"

#include "game/melds.h"
#include "game/pile_take.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "table/hit_test.h"
#include "table/turn.h"

namespace tavolex {

namespace {

void FoldDiscardPile(Table& table) {
    if (!table.DiscardSpread) return;
    table.DiscardSpread = 0;
    // The spread cards reached below the pile box.
    table.view.RepaintAll();
}

// The player has touched the game: from now on it counts as one in progress.
bool TouchesGame(HitTarget target) {
    return target == HitTarget::Stock || target == HitTarget::DiscardPile ||
           target == HitTarget::HandCard;
}

WildCanastaMode ModeOf(ShiftState shiftState) {
    if (shiftState.ctrl) return WildCanastaMode::UpToThree;
    return shiftState.shift ? WildCanastaMode::UpToSeven : WildCanastaMode::One;
}

void LeftClick(Table& table, const Hit& hit, ShiftState shiftState) {
    switch (hit.target) {
        case HitTarget::Stock:
            DrawFromStock(table);
            break;
        case HitTarget::DiscardPile:
            TakePile(table);
            break;
        case HitTarget::HandCard:
            if (shiftState.ctrl || shiftState.shift) {
                MeldRank(table, hit.index, shiftState.ctrl);
            } else {
                MeldCard(table, hit.index);
            }
            break;
        case HitTarget::HandWildCard:
            ExtendWildCanasta(table, ModeOf(shiftState));
            break;
        case HitTarget::MeldCard:
            WildOntoMeld(table, table.layout.ColumnOf(table.state.PlayerMelds.cards[hit.index].x),
                         shiftState.shift);
            break;
        case HitTarget::ThreesColumn:
        case HitTarget::Nothing:
            break;
    }
}

// With two right clicks set, only the second click on the same card discards it; a click on
// another card in between starts the count again.
void RightClickOnHand(Table& table, int handIndex) {
    InputState& input = table.input;
    if (!table.state.HasDrawn) {
        table.ShowError(kErrorDiscardBeforeDraw);
        return;
    }
    if (handIndex != input.RightClickCard) {
        input.RightClickCard = handIndex;
        input.RightClickCount = 0;
    } else if (input.RightClickCount < table.DiscardOption) {
        ++input.RightClickCount;
    }
    if (input.RightClickCount != table.DiscardOption) {
        // The armed card shows highlighted until the second click.
        table.RepaintPlayerHandArea();
        return;
    }
    input.RightClickCount = 0;
    input.RightClickCard = -1;
    DiscardFromHand(table, handIndex);
}

void RightClick(Table& table, const Hit& hit) {
    switch (hit.target) {
        case HitTarget::HandCard:
        case HitTarget::HandWildCard:
            RightClickOnHand(table, hit.index);
            break;
        case HitTarget::ThreesColumn:
            DiscardRedThreeFromMelds(table, hit.index);
            break;
        default:
            break;
    }
}

}  // namespace

void PlayerClick(Table& table, MouseButton button, ShiftState shiftState, int x, int y) {
    GameState& state = table.state;
    InputState& input = table.input;
    if (input.Busy || state.PlayerLocked || state.Prompt == kPromptHandOver) return;
    if (button == MouseButton::Middle) return;
    input.Busy = 1;
    if (button == MouseButton::Left) FoldDiscardPile(table);
    const Hit hit = HitTest(table, x, y);
    const bool onHand = hit.target == HitTarget::HandCard || hit.target == HitTarget::HandWildCard;
    if (button != MouseButton::Right || !onHand) DisarmDiscard(table);
    if (TouchesGame(hit.target)) state.GameInProgress = 1;
    if (button == MouseButton::Left) {
        LeftClick(table, hit, shiftState);
    } else {
        RightClick(table, hit);
    }
    input.Busy = 0;
}

int ArmedDiscardCard(const Table& table) {
    const int card = table.input.RightClickCard;
    return card < table.state.PlayerHand.count ? card : -1;
}

void DisarmDiscard(Table& table) {
    InputState& input = table.input;
    if (input.RightClickCard < 0) return;
    input.RightClickCard = -1;
    input.RightClickCount = 0;
    table.RepaintPlayerHandArea();
}

}  // namespace tavolex
