#include "app/cli/level_turn.h"

#include <algorithm>
#include <vector>

#include "app/cli/player_actions.h"
#include "app/cli/random_actions.h"
#include "app/cli/side_mirror.h"
#include "computer/computer_turn.h"
#include "game/status_texts.h"

namespace tavolex::cli {

namespace {

// Random actions that may finish a turn the clicks did not.
constexpr int kMaxFinishingActions = 2000;

// On the copy the hand is never ended: the real table ends it when the clicks are made.
class NoFlow : public GameFlow {
  public:
    bool EndOfHandCheck() override { return false; }
    void StartOpponentTurn() override {}
    void DealHand(bool) override {}
};

bool SameCard(const CardRecord& a, const CardRecord& b) {
    return a.cardId == b.cardId && a.deck == b.deck;
}

bool Holds(const CardPile& pile, const CardRecord& card) {
    return std::any_of(pile.begin(), pile.end(),
                       [&](const CardRecord& held) { return SameCard(held, card); });
}

// Whether the pile before the turn still lies at the bottom of the pile after it.
bool PileKept(const CardPile& before, const CardPile& after) {
    if (after.count < before.count) return false;
    return std::equal(before.begin(), before.end(), after.begin(), SameCard);
}

PlayerAction Click(ActionKind kind, const CardRecord& card, int column = -1) {
    return {kind, CardNameOf(card.cardId), card.cardId, column};
}

// The clicks that make the level's turn: the draw or the take, the natural cards melded, the
// wild cards laid on their columns, and the discard.
std::vector<PlayerAction> TurnClicks(const GameState& before, const GameState& after,
                                     const TableLayout& layout) {
    std::vector<PlayerAction> clicks;
    const bool took =
        !before.DiscardPile.Empty() && !PileKept(before.DiscardPile, after.DiscardPile);
    clicks.push_back({took ? ActionKind::Take : ActionKind::Draw, took ? "take" : "draw"});
    std::vector<PlayerAction> wilds;
    for (const CardRecord& card : after.PlayerMelds) {
        if (Holds(before.PlayerMelds, card) || IsRedThree(card.cardId)) continue;
        if (took && SameCard(card, before.DiscardPile.cards[before.DiscardPile.count - 1]))
            continue;
        const int column = layout.ColumnOf(card.x);
        if (IsWildRank(card.rank) && IsNaturalRank(column)) {
            wilds.push_back(Click(ActionKind::Wild, card, column));
        } else {
            clicks.push_back(Click(ActionKind::Meld, card));
        }
    }
    clicks.insert(clicks.end(), wilds.begin(), wilds.end());
    const int kept = took ? 0 : before.DiscardPile.count;
    if (after.DiscardPile.count > kept) {
        const CardRecord& card = after.DiscardPile.cards[after.DiscardPile.count - 1];
        clicks.push_back(IsRedThree(card.cardId)
                             ? PlayerAction{ActionKind::DiscardRedThree, "discard-red3"}
                             : Click(ActionKind::Discard, card));
    }
    return clicks;
}

bool TurnOver(const GameState& state) {
    return state.PlayerLocked || state.Prompt == kPromptHandOver;
}

}  // namespace

std::optional<std::string> PlayLevelTurn(HeadlessGame& game, uint8_t level,
                                         ComputerMemory& playerSideMemory) {
    Table& table = game.table;
    HeadlessGame copy(table.random.Next(), table.Resolution);
    NoFlow noFlow;
    Table& choice = copy.table;
    choice.flow = &noFlow;
    choice.state = table.state;
    choice.layout = table.layout;
    choice.LastAppliedResolution = table.LastAppliedResolution;
    choice.computer = table.computer;
    choice.Aggression = table.Aggression;
    choice.MeldDelay = 0;
    choice.ComputerLevel = level;
    {
        SideMirror mirror(choice, playerSideMemory);
        choice.state.PlayerLocked = 1;
        choice.SetPrompt(kPromptOpponentTurn);
        choice.state.OpponentPhase = 0;
        ComputerOpponent computer;
        computer.PlayTurn(choice);
    }
    for (const PlayerAction& click : TurnClicks(table.state, choice.state, table.layout)) {
        if (TurnOver(table.state)) return std::nullopt;
        ApplyAction(table, click);
        // With two right clicks to discard, the second one discards.
        if (click.kind == ActionKind::Discard && !TurnOver(table.state)) ApplyAction(table, click);
        if (click.kind == ActionKind::Draw && table.state.Prompt == kPromptSecondCard) {
            ApplyAction(table, click);
        }
    }
    for (int i = 0; i < kMaxFinishingActions && !TurnOver(table.state); ++i) {
        if (std::optional<std::string> fault = PlayRandomAction(game).Fault()) return fault;
    }
    return std::nullopt;
}

}  // namespace tavolex::cli
