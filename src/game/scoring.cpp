#include "game/scoring.h"

#include <string>

#include "game/game_state.h"
#include "game/melds.h"
#include "game/opponent_reveal.h"
#include "game/peer_link.h"
#include "game/sounds.h"
#include "game/status_texts.h"
#include "game/table.h"

namespace tavolex {

namespace {

constexpr int32_t kRedThreeBonus = 100;
constexpr int32_t kAllRedThreesExtra = 400;  // all four together count 800
constexpr int kAllRedThrees = 4;
constexpr int32_t kRedThreeInHandPenalty = 500;
constexpr int32_t kGoingOutBonus = 100;
constexpr int32_t kConcealedGoingOutBonus = 200;
constexpr int kCanastaSize = 7;
constexpr const char* kMustPassText =
    "You only have one card left, and not enough Canastas to go out.\r"
    " You have to pass the discard.";

int32_t CanastaBonus(uint8_t kind) {
    switch (kind) {
        case kMixedCanasta:
            return 300;
        case kNaturalCanasta:
            return 500;
        case kWildCanasta:
            return 1000;
        default:
            return 0;
    }
}

struct Side {
    const CardPile& melds;
    const CardPile& hand;
    const MeldTally& tally;
    bool wentOut;
    int32_t meldedBefore;  // zero when the side laid no melds before its last turn
};

HandResult ScoreSide(const Side& side, const RuleOptions& rules) {
    HandResult result;
    if (side.wentOut) {
        result.finishBonus = side.meldedBefore != 0 ? kGoingOutBonus : kConcealedGoingOutBonus;
    }
    bool onlyRedThrees = true;
    for (const CardRecord& card : side.melds) {
        if (IsRedThree(card.cardId)) {
            ++result.redThreeCount;
        } else {
            onlyRedThrees = false;
        }
    }
    // Without the canastas required, or with nothing but red threes laid, the melds count against.
    const bool penalty =
        (rules.CanastaRequired && side.tally.canastaCount < rules.NumberOfCanastas) ||
        (!side.wentOut && onlyRedThrees);
    const int32_t sign = penalty ? -1 : 1;

    result.redThreePoints = sign * kRedThreeBonus * result.redThreeCount;
    for (const CardRecord& card : side.melds) {
        if (IsRedThree(card.cardId)) continue;
        result.meldPoints += sign * card.points;
        ++result.meldCount;
    }
    if (!penalty) {
        for (int column = 1; column < kColumns; ++column) {
            if (side.tally.CanastaKind[column] == kNoCanasta) continue;
            result.canastaBonus += CanastaBonus(side.tally.CanastaKind[column]);
            ++result.canastaCount;
        }
        if (result.redThreeCount == kAllRedThrees) result.redThreePoints += kAllRedThreesExtra;
    }
    for (const CardRecord& card : side.hand) {
        if (IsRedThree(card.cardId)) {
            result.redThreePoints -= kRedThreeInHandPenalty;
            ++result.redThreeCount;
        } else {
            result.handPoints -= card.points;
            ++result.handCount;
        }
    }
    if (penalty && result.redThreeCount == kAllRedThrees) {
        result.redThreePoints -= kAllRedThreesExtra;
    }
    result.total = result.meldPoints + result.handPoints + result.canastaBonus +
                   result.redThreePoints + result.finishBonus;
    return result;
}

// A wild card as the last card completes a canasta on a six-card natural column that still
// has room for another wild card.
bool WildCompletesCanasta(Table& table) {
    const GameState& state = table.state;
    ColumnCounts wilds{};
    for (const CardRecord& card : state.PlayerMelds) {
        const int column = table.layout.ColumnOf(card.x);
        if (IsWildRank(card.rank) && column >= 0 && column < kColumns) ++wilds[column];
    }
    for (int column = kRankThree + 1; column < kColumns; ++column) {
        if (state.PlayerMeldCount[column] == kCanastaSize - 1 && wilds[column] < 3) return true;
    }
    return false;
}

void ShowResults(Table& table, const HandScores& scores) {
    const ScoringInfo scoring{table.OpponentLabelName() + "'s Score:", scores.player.total,
                              scores.opponent.total};
    if (!table.dialogs.ShowScoring(scoring)) return;
    // The player may see the cards the opponent was left with while reading the details.
    const bool reveal = !table.NetworkActive && !table.state.OpponentFaceUp;
    if (reveal) ToggleOpponentHandReveal(table);
    table.dialogs.ShowDetails(
        DetailsInfo{table.PlayerName(), table.OpponentLabelName(), scores.player, scores.opponent});
    if (reveal) ToggleOpponentHandReveal(table);
}

}  // namespace

int32_t MinimumForScore(int32_t total) {
    if (total < 0) return 15;
    if (total < 1500) return 50;
    if (total < 3000) return 90;
    return 120;
}

bool MustPassTest(Table& table) {
    GameState& state = table.state;
    const RuleOptions& rules = table.rules();
    if (state.PlayerHand.count != 1 || state.PlayerTally.canastaCount >= rules.NumberOfCanastas) {
        return false;
    }
    if (state.TopCardPending && !state.DiscardPile.Empty()) return false;
    if (!MeldsValidForDiscard(table)) return false;
    if (state.PlayerTally.canastaCount == 0 && rules.NumberOfCanastas == 2) return true;
    table.CountColumns();
    const CardRecord& last = state.PlayerHand.cards[0];
    if (IsNaturalRank(last.rank) && state.PlayerMeldCount[last.rank] == kCanastaSize - 1) {
        return false;
    }
    return !(IsWildRank(last.rank) && WildCompletesCanasta(table));
}

void MustPass(Table& table) {
    GameState& state = table.state;
    table.dialogs.Information(kMustPassText);
    table.undo.Clear();
    state.PlayerLocked = 1;
    table.SendToken(kTokenPassDiscard);
    table.SetPrompt(kPromptOpponentTurn);
    state.OpponentPhase = 0;  // the opponent is to draw
    if (table.flow != nullptr) table.flow->StartOpponentTurn();
    state.TopCardPending = 0;
    state.HasDrawn = 0;
    state.PileTakeUndoable = 0;
    state.CardsDrawn = 0;
    state.NothingDrawnYet = 1;
    table.view.EnableUndo(false);
    SavePlayerTurn(state);
}

bool RunMustPassTest(Table& table) {
    if (!MustPassTest(table)) return false;
    MustPass(table);
    return true;
}

HandScores ScoreHand(Table& table) {
    GameState& state = table.state;
    const HandScores scores{
        ScoreSide({state.PlayerMelds, state.PlayerHand, state.PlayerTally,
                   state.WentOut == kPlayerWentOut, state.PlayerMeldedBefore},
                  table.rules()),
        ScoreSide({state.OpponentMelds, state.OpponentHand, state.OpponentTally,
                   state.WentOut == kOpponentWentOut, state.OpponentMeldedBefore},
                  table.rules())};
    // Equal totals count as a won hand.
    table.sounds.PlayEvent(scores.opponent.total > scores.player.total ? kSoundLoseHand
                                                                       : kSoundWinHand);
    state.PlayerScore += scores.player.total;
    state.OpponentScore += scores.opponent.total;
    ShowResults(table, scores);
    return scores;
}

}  // namespace tavolex
