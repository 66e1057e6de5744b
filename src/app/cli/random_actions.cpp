#include "app/cli/random_actions.h"

#include <algorithm>
#include <array>
#include <utility>

#include "game/internal_error.h"
#include "game/melds.h"
#include "game/status_texts.h"
#include "game/table_invariants.h"
#include "table/deal.h"

namespace tavolex::cli {

namespace {

// Far more actions than a hand of random play needs to end.
constexpr int kMaxActionsPerHand = 20000;

constexpr std::array<const char*, 6> kPlainActions = {"draw", "take",     "discard-red3",
                                                      "undo", "undo-all", "end-hand"};
constexpr std::array<const char*, 4> kCardActions = {
    "meld:", "meld-shift:", "meld-ctrl:", "discard:"};
constexpr std::array<const char*, 2> kColumnActions = {"wild:", "wild-shift:"};
// The keys of keyboard play; a rank key is drawn as often as the others together.
constexpr std::array<const char*, 6> kKeys = {"F6", "F7", "F8", "F9", "F10", "Esc"};
constexpr int kActionKinds = kPlainActions.size() + kCardActions.size() + kColumnActions.size() + 1;

// The name keyboard play types for a rank column.
std::string RankKeyName(int column) {
    static constexpr std::array<const char*, kColumns> kNames = {
        "W", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return kNames[column];
}

std::string RandomCardName(Table& table) {
    const CardPile& hand = table.state.PlayerHand;
    if (!hand.Empty()) return CardNameOf(hand.cards[table.random.Below(hand.count)].cardId);
    return CardNameOf(static_cast<uint8_t>(1 + table.random.Below(kJokerId)));
}

// With two right clicks to discard, half the discards name the card right-clicked last: else
// the second click on the same card would hardly ever come.
std::string RandomDiscardName(Table& table) {
    const CardPile& hand = table.state.PlayerHand;
    const int last = table.input.RightClickCard;
    if (last >= 0 && last < hand.count && table.random.Below(2) == 0) {
        return CardNameOf(hand.cards[last].cardId);
    }
    return RandomCardName(table);
}

std::string RandomColumnName(Table& table) {
    const CardPile& melds = table.state.PlayerMelds;
    if (melds.Empty()) return RankKeyName(table.random.Below(kColumns));
    const int column = table.layout.ColumnOf(melds.cards[table.random.Below(melds.count)].x);
    return RankKeyName(column >= 0 && column < kColumns ? column : 0);
}

std::string RandomKeyName(Table& table) {
    if (table.random.Below(2) == 0) return RankKeyName(table.random.Below(kColumns));
    return kKeys[table.random.Below(kKeys.size())];
}

std::string RandomActionText(Table& table) {
    int kind = table.random.Below(kActionKinds);
    if (kind < static_cast<int>(kPlainActions.size())) return kPlainActions[kind];
    kind -= kPlainActions.size();
    if (kind < static_cast<int>(kCardActions.size())) {
        const std::string action = kCardActions[kind];
        return action + (action == "discard:" ? RandomDiscardName(table) : RandomCardName(table));
    }
    kind -= kCardActions.size();
    if (kind < static_cast<int>(kColumnActions.size())) {
        return kColumnActions[kind] + RandomColumnName(table);
    }
    return "key:" + RandomKeyName(table);
}

// Counts the hands scored, and empties what the headless seams recorded meanwhile.
int TakeFinishedHands(HeadlessGame& game, RandomRunReport& report) {
    const int hands = static_cast<int>(game.dialogs.scorings.size());
    report.mostRecords = std::max(report.mostRecords, game.RecordedCount());
    game.ForgetRecords();
    return hands;
}

// Everything melded this turn can be taken back, back to melds that passed the meld check (those
// the turn began with, or those that completed a pile take). Incorrect melds with nothing left
// to undo can never be put right: the player could not discard again.
bool MeldsBeyondRepair(Table& table) {
    const GameState& state = table.state;
    if (state.PlayerLocked || !state.HasDrawn || state.PileTakeUndoable || !table.undo.Empty() ||
        state.Prompt == kPromptHandOver) {
        return false;
    }
    // The check writes its reason and recounts the columns; the game stays as it was.
    const GameState saved = state;
    const bool valid = MeldsValid(table);
    table.state = saved;
    return !valid;
}

// The first thing wrong after an action, if any.
std::optional<std::string> CheckAction(HeadlessGame& game, const GameState& before,
                                       const UndoList& undoBefore, int beepsBefore) {
    Table& table = game.table;
    if (std::string broken = CheckTableInvariants(table); !broken.empty()) return broken;
    const bool refused = game.view.beeps != beepsBefore;
    if (refused &&
        (!UnchangedByRefusal(before, table.state, table.layout) || !(table.undo == undoBefore))) {
        return "a refused action changed the game (" + game.view.status + ")";
    }
    if (game.view.closed) return "the program was asked to close";
    if (MeldsBeyondRepair(table)) return "the player's melds are incorrect with nothing to undo";
    return std::nullopt;
}

}  // namespace

CheckedAction PlayRandomAction(HeadlessGame& game) {
    Table& table = game.table;
    const PlayerAction action = *ParseAction(RandomActionText(table));
    const GameState before = table.state;
    const UndoList undoBefore = table.undo;
    const int beepsBefore = game.view.beeps;
    std::string internalError;
    const InternalErrorHandler previous =
        SetInternalErrorHandler([&](const std::string& text) { internalError = text; });
    ApplyAction(table, action);
    SetInternalErrorHandler(previous);
    if (!internalError.empty()) return {action.text, "internal error: " + internalError};
    return {action.text, CheckAction(game, before, undoBefore, beepsBefore)};
}

RandomRunReport PlayRandomHands(HeadlessGame& game, int hands,
                                const std::function<void(const RandomRunReport&)>& afterHand) {
    Table& table = game.table;
    RandomRunReport report;
    table.state.PlayerStartsNext = static_cast<uint8_t>(table.random.Below(2));
    StartNewGame(table);
    int actionsThisHand = 0;
    while (!report.violation) {
        const int finished = TakeFinishedHands(game, report);
        if (finished > 0) {
            report.hands += finished;
            actionsThisHand = 0;
            report.handActions.clear();
            if (afterHand) afterHand(report);
        }
        if (report.hands >= hands) break;
        if (table.state.PlayerLocked || table.state.Prompt == kPromptHandOver) {
            report.violation = "the player cannot act: the turn did not come back";
            break;
        }
        if (++actionsThisHand > kMaxActionsPerHand) {
            report.violation =
                "a hand went on for more than " + std::to_string(kMaxActionsPerHand) + " actions";
            break;
        }
        CheckedAction action = PlayRandomAction(game);
        ++report.actions;
        report.handActions.push_back(std::move(action.text));
        report.violation = std::move(action.violation);
    }
    return report;
}

}  // namespace tavolex::cli
