#include "computer/canasta_check.h"

#include <algorithm>

#include "computer/census.h"
#include "computer/computer_hand.h"
#include "game/scoring.h"

namespace tavolex {

namespace {
constexpr int kCanasta = 7;
constexpr int kNaturalsInView = 4;
}  // namespace

bool CanastaCandidateStands(TurnContext& turn, int topRank, int wildReserved, int* target) {
    const GameState& state = turn.state();
    const int wild = ShapeOfComputerHand(turn.table).Wild();
    auto naturals = [&](int r) {
        return state.OpponentHandCount[r] + state.DiscardCount[r] + state.OpponentMeldCount[r] -
               (r == topRank ? 1 : 0);
    };
    int found = -1;
    for (int r = kRankAce; r > kRankThree && found < 0; --r) {
        const int n = naturals(r);
        if (n >= kNaturalsInView && n + wild >= kCanasta) found = r;
    }
    if (target) *target = found;
    if (found < 0) return false;
    if (state.OpponentHandCount[found] >= 3) return true;
    return naturals(found) - wildReserved + wild >= kCanasta;
}

void SetMinimumForTopCard(TurnContext& turn, const CardRecord& top) {
    turn.MeldMinimum = MinimumForScore(turn.state().OpponentScore);
    if (!turn.rules().TopCardCounts) turn.MeldMinimum += top.points;
}

void PutTopCardCopyInHand(Table& table, const CardRecord& top) {
    GameState& state = table.state;
    int32_t lastX = table.layout.LeftMargin - state.HandOverlap;
    for (const CardRecord& held : state.OpponentHand) lastX = std::max(lastX, held.x);
    CardRecord copy = top;
    copy.faceUp = state.OpponentFaceUp;
    copy.x = lastX + state.HandOverlap;
    copy.y = 5;
    PushCard(state.OpponentHand, copy);
}

void TakeTopCardCopyOut(Table& table) {
    RemoveFromComputerHand(table, table.state.OpponentHand.count - 1);
}

}  // namespace tavolex
