#include "computer/advanced.h"
#include "computer/beginner.h"
#include "computer/computer_hand.h"
#include "computer/computer_turn.h"
#include "computer/expert.h"

namespace tavolex {

void ComputerOpponent::PlayTurn(Table& table) {
    try {
        switch (table.ComputerLevel) {
            case kBeginner: BeginnerTurn(table); break;
            case kAdvanced: AdvancedTurn(table); break;
            default: ExpertTurn(table); break;
        }
    } catch (const ComputerTurnAborted&) {
        // The program has been asked to close; nothing of the turn is to be finished.
    }
}

}  // namespace tavolex
