#include "computer/expert.h"

#include "computer/expert_parts.h"

namespace tavolex {

namespace {

// The Expert's decisions behind the skeleton's interface. Its own turn runs the pick-up and the
// melding itself and leaves the skeleton only the discard step.
class ExpertLevel : public ComputerLevel {
  public:
    bool ShouldTakePile(TurnContext& turn) override { return ExpertShouldTakePile(turn); }
    void MeldTakenTopCard(TurnContext& turn, const CardRecord& top) override {
        ExpertMeldTakenTopCard(turn, top.rank);
    }
    void MeldForcedTopCard(TurnContext& turn, const CardRecord& top) override {
        ExpertMeldRank(turn, top.rank, 1);
    }
    void MeldPhase(TurnContext& turn) override { ExpertMeldPhase(turn); }
    DiscardChoice ChooseDiscard(TurnContext& turn) override { return ExpertChooseDiscard(turn); }
};

}  // namespace

void ExpertTurn(Table& table) {
    TurnContext turn = BeginComputerTurn(table);
    const ExpertPickUpResult pickUp = ExpertPickUp(turn);
    table.state.OpponentPhase = 1;
    // With the stock gone and the pile not to be taken, the hand is over: nothing to meld.
    if (pickUp != ExpertPickUpResult::HandOver) {
        ExpertMeldPhase(turn);
        ExpertLevel level;
        DiscardForComputer(turn, level);
    }
    EndComputerTurn(table);
}

}  // namespace tavolex
