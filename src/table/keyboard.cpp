#include "table/keyboard.h"

#include "game/opponent_reveal.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

bool InKeyboardPhase(int prompt) {
    return prompt >= kPromptKeyMeld && prompt <= kPromptKeyWild;
}

// Leaving keyboard play returns to the prompt of where the turn stands: a player still to draw
// gets the draw's prompt back, without which the End Hand button would stay disabled.
int MousePrompt(const GameState& state) {
    if (!state.HasDrawn) return kPromptDraw;
    return state.PileTakeUndoable ? kPromptTakingPile : kPromptMeldOrDiscard;
}

void EnterKeyboardPhase(Table& table, int prompt, KeyboardModeCode mode) {
    table.SetPrompt(prompt);
    table.input.KeyboardMode = mode;
}

// The rank key clicks the top card of its column: of the hand (meld, discard) or of the melds
// (a wild card onto that meld).
void ClickColumn(Table& table, int column) {
    const TableLayout& layout = table.layout;
    const int x = layout.ColumnLeft(column);
    const int handY = layout.OwnHandTop + kCardStep;
    switch (table.input.KeyboardMode) {
        case kKeyboardMeld:
            PlayerClick(table, MouseButton::Left, {}, x, handY);
            break;
        case kKeyboardDiscard:
            PlayerClick(table, MouseButton::Right, {}, x, handY);
            break;
        default:
            PlayerClick(table, MouseButton::Left, {}, x, layout.OwnMeldTop + kCardStep);
            break;
    }
}

// The keyboard phase stays for the next key while the player still melds and no error shows.
void RankKey(Table& table, int column) {
    const int phase = table.state.Prompt;
    ClickColumn(table, column);
    const GameState& state = table.state;
    if (state.ErrorCode == kErrorNone && state.HasDrawn && !state.PlayerLocked &&
        state.Prompt != kPromptHandOver) {
        table.SetPrompt(phase);
    }
}

}  // namespace

std::optional<int> ColumnOfRankKey(int key) {
    int value = 0;
    if (key >= '2' && key <= '9') value = key - '0';
    if (key == '0') value = 10;
    if (key == 'J') value = 11;
    if (key == 'Q') value = 12;
    if (key == 'K') value = 13;
    if (key == 'A') value = 14;
    if (key == 'W') value = 1;
    if (value == 0) return std::nullopt;
    return value - 1;
}

bool PlayerKeyDown(Table& table, int key, ShiftState shiftState) {
    if (key == kKeyF11 && shiftState.ctrl) {
        ToggleOpponentHandReveal(table);
        return true;
    }
    const GameState& state = table.state;
    if (table.input.Busy || state.PlayerLocked || state.Prompt == kPromptHandOver) return false;
    const TableLayout& layout = table.layout;
    switch (key) {
        case kKeyF6:
            PlayerClick(table, MouseButton::Left, {}, layout.LeftMargin, layout.StockTop);
            return true;
        case kKeyF7:
            PlayerClick(table, MouseButton::Left, {}, layout.LeftMargin, layout.DiscardTop);
            return true;
        case kKeyF8:
            EnterKeyboardPhase(table, kPromptKeyMeld, kKeyboardMeld);
            return true;
        case kKeyF9:
            EnterKeyboardPhase(table, kPromptKeyWild, kKeyboardWild);
            return true;
        case kKeyF10:
            EnterKeyboardPhase(table, kPromptKeyDiscard, kKeyboardDiscard);
            return true;
        case kKeyEscape:
            if (!InKeyboardPhase(state.Prompt)) return false;
            table.SetPrompt(MousePrompt(state));
            return true;
        default:
            break;
    }
    if (!InKeyboardPhase(state.Prompt)) return false;
    const std::optional<int> column = ColumnOfRankKey(key);
    if (!column) return false;
    RankKey(table, *column);
    return true;
}

}  // namespace tavolex
