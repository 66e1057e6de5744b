// How close the Expert's hand is to going out: the cards that would stay in it after melding.
#include "computer/census.h"
#include "computer/expert_parts.h"

namespace tavolex {

bool CardsLeftAfterMelding(TurnContext& turn, int& cardsLeft) {
    Table& table = turn.table;
    CardCensus(table);
    const GameState& state = table.state;
    const HandShape shape = ShapeOfComputerHand(table);
    int pairs = 0;
    int meldable = 0;
    for (int rank = kRankThree + 1; rank <= kRankAce; ++rank) {
        const int total = state.OpponentHandCount[rank] + state.OpponentMeldCount[rank];
        if (total == 2) ++pairs;
        if (total >= 3) meldable += state.OpponentHandCount[rank];
    }
    // Each pair goes down with a wild card; the wild cards left over go down too.
    const int spareWilds = shape.Wild() - pairs;
    cardsLeft = state.OpponentHand.count - 3 * pairs - meldable - spareWilds;
    // Three or more black threes may be melded when going out.
    if (shape.blackThrees > 2) cardsLeft -= shape.blackThrees;
    // Pairs without a wild card stay in hand.
    if (spareWilds < 0) cardsLeft -= 2 * spareWilds;
    return spareWilds >= 0 && (cardsLeft == 0 || cardsLeft == 1);
}

}  // namespace tavolex
