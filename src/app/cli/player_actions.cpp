#include "app/cli/player_actions.h"

#include <array>
#include <utility>

#include "game/table.h"
#include "table/gestures.h"
#include "table/keyboard.h"
#include "table/turn.h"
#include "table/undo_meld.h"

namespace tavolex::cli {

namespace {

constexpr std::array<std::pair<const char*, ActionKind>, 6> kPlainActions = {{
    {"draw", ActionKind::Draw},
    {"take", ActionKind::Take},
    {"discard-red3", ActionKind::DiscardRedThree},
    {"undo", ActionKind::Undo},
    {"undo-all", ActionKind::UndoAll},
    {"end-hand", ActionKind::EndHand},
}};

constexpr std::array<std::pair<const char*, ActionKind>, 7> kActionsWithArgument = {{
    {"meld", ActionKind::Meld},
    {"meld-shift", ActionKind::MeldShift},
    {"meld-ctrl", ActionKind::MeldCtrl},
    {"wild", ActionKind::Wild},
    {"wild-shift", ActionKind::WildShift},
    {"discard", ActionKind::Discard},
    {"key", ActionKind::Key},
}};

constexpr std::array<std::pair<const char*, int>, 6> kKeyNames = {{
    {"F6", kKeyF6},
    {"F7", kKeyF7},
    {"F8", kKeyF8},
    {"F9", kKeyF9},
    {"F10", kKeyF10},
    {"Esc", kKeyEscape},
}};
constexpr const char* kRevealKeyName = "Ctrl+F11";

// A rank as keyboard play types it ("2".."9", "0", "J", "Q", "K", "A", "W"), or "10".
std::optional<int> RankKeyCode(const std::string& name) {
    if (name == "10") return '0';
    if (name.size() != 1 || !ColumnOfRankKey(name[0])) return std::nullopt;
    return name[0];
}

bool ParseArgument(PlayerAction& action, const std::string& argument) {
    switch (action.kind) {
        case ActionKind::Wild:
        case ActionKind::WildShift: {
            const std::optional<int> key = RankKeyCode(argument);
            if (key) action.column = *ColumnOfRankKey(*key);
            return key.has_value();
        }
        case ActionKind::Key: {
            if (argument == kRevealKeyName) {
                action.key = kKeyF11;
                action.ctrl = true;
                return true;
            }
            for (const auto& [name, code] : kKeyNames)
                if (argument == name) action.key = code;
            if (action.key == 0) action.key = RankKeyCode(argument).value_or(0);
            return action.key != 0;
        }
        default: {
            const std::optional<uint8_t> cardId = CardIdFromName(argument);
            action.cardId = cardId.value_or(0);
            return cardId.has_value();
        }
    }
}

// Inside the strip of the card that shows even when it is covered.
void ClickCard(Table& table, MouseButton button, ShiftState shiftState, const CardRecord& card) {
    PlayerClick(table, button, shiftState, card.x + table.layout.CardWidth / 2,
                card.y + kCardStep / 2);
}

void ClickPile(Table& table, int top) {
    const TableLayout& layout = table.layout;
    PlayerClick(table, MouseButton::Left, {}, layout.LeftMargin + layout.CardWidth / 2,
                top + layout.CardHeight / 2);
}

template <class Match>
const CardRecord* FirstCard(const CardPile& pile, Match match) {
    for (const CardRecord& card : pile)
        if (match(card)) return &card;
    return nullptr;
}

}  // namespace

std::optional<PlayerAction> ParseAction(const std::string& text) {
    PlayerAction action;
    action.text = text;
    for (const auto& [name, kind] : kPlainActions) {
        if (text != name) continue;
        action.kind = kind;
        return action;
    }
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string name = text.substr(0, colon);
    for (const auto& [actionName, kind] : kActionsWithArgument) {
        if (name != actionName) continue;
        action.kind = kind;
        if (!ParseArgument(action, text.substr(colon + 1))) return std::nullopt;
        return action;
    }
    return std::nullopt;
}

bool ApplyAction(Table& table, const PlayerAction& action) {
    const GameState& state = table.state;
    const auto isCard = [&](const CardRecord& card) { return card.cardId == action.cardId; };
    const auto inColumn = [&](const CardRecord& card) {
        return table.layout.ColumnOf(card.x) == action.column;
    };
    const CardRecord* target = nullptr;
    switch (action.kind) {
        case ActionKind::Draw:
            ClickPile(table, table.layout.StockTop);
            return true;
        case ActionKind::Take:
            ClickPile(table, table.layout.DiscardTop);
            return true;
        case ActionKind::Undo:
            UndoMeld(table);
            return true;
        case ActionKind::UndoAll:
            UndoAll(table);
            return true;
        case ActionKind::EndHand:
            EndHandPressed(table);
            return true;
        case ActionKind::Key:
            PlayerKeyDown(table, action.key, {.ctrl = action.ctrl});
            return true;
        case ActionKind::Meld:
        case ActionKind::MeldShift:
        case ActionKind::MeldCtrl:
        case ActionKind::Discard:
            target = FirstCard(state.PlayerHand, isCard);
            break;
        case ActionKind::Wild:
        case ActionKind::WildShift:
            target = FirstCard(state.PlayerMelds, inColumn);
            break;
        case ActionKind::DiscardRedThree:
            target = FirstCard(state.PlayerMelds,
                               [](const CardRecord& card) { return IsRedThree(card.cardId); });
            break;
    }
    if (target == nullptr) return false;
    const bool right =
        action.kind == ActionKind::Discard || action.kind == ActionKind::DiscardRedThree;
    const ShiftState shiftState = {
        .shift = action.kind == ActionKind::MeldShift || action.kind == ActionKind::WildShift,
        .ctrl = action.kind == ActionKind::MeldCtrl};
    ClickCard(table, right ? MouseButton::Right : MouseButton::Left, shiftState, *target);
    return true;
}

}  // namespace tavolex::cli
