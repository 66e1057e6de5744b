#include <array>
#include <string>

#include "game/melds.h"
#include "game/table.h"

namespace tavolex {

const char* const kRejectTooFewCards = "every melded rank must contain at least three cards";
const char* const kRejectBlackThrees = "the Black Threes have not been melded correctly";
const char* const kRejectTooManyWildcards = "there are too many wildcards within one rank";
const char* const kRejectWildCanasta = "wildcards must be melded as a canasta";
const char* const kRejectTopCard = "you have not melded the top card correctly";

std::string RejectInitialMeld(int minimum, int total) {
    return "your first meld must be at least " + std::to_string(minimum) + " points (currently " +
           std::to_string(total) + " points)";
}

std::string RejectGoingOut(int canastasNeeded) {
    std::string needed;
    if (canastasNeeded == 1) {
        needed = "one Canasta";
    } else if (canastasNeeded == 2) {
        needed = "two Canastas";
    } else {
        needed = std::to_string(canastasNeeded) + " Canastas";
    }
    return "you need at least " + needed + " to go out";
}

MeldColumns CountMeldColumns(const CardPile& melds, const TableLayout& layout) {
    MeldColumns counts;
    for (const CardRecord& card : melds) {
        const int column = layout.ColumnOf(card.x);
        if (column < 0 || column >= kColumns) continue;
        if (IsBlackThree(card.cardId)) {
            ++counts.blackThrees;
        } else if (IsWildRank(card.rank)) {
            ++counts.wilds[column];
        } else {
            ++counts.naturals[column];
        }
    }
    return counts;
}

namespace {

// The first failure found decides the text.
std::string FirstMeldFailure(Table& table) {
    GameState& state = table.state;
    table.CountColumns();
    for (int column = kRankThree + 1; column < kColumns; ++column) {
        const int cards = state.PlayerMeldCount[column];
        if (cards > 0 && cards < 3) return kRejectTooFewCards;
    }

    // While a take is pending the rest of the pile is still to come into the hand: melding the
    // last card then is no going out, and must not let black threes or a short opening pass.
    const bool pileStillToCome = state.TopCardPending && !state.DiscardPile.Empty();
    const bool handEmpty = state.PlayerHand.Empty() && !pileStillToCome;
    int total = 0;
    for (const CardRecord& card : state.PlayerMelds) total += card.points;
    // Once a canasta stands, the bonus may count as the initial meld; an empty hand goes out.
    const bool bonusMeetsMinimum = state.Rules.BonusCounts && state.PlayerTally.canastaCount > 0;
    if (total < state.PlayerMinimum && !bonusMeetsMinimum && total != 0 && !handEmpty) {
        return RejectInitialMeld(state.PlayerMinimum, total);
    }

    const MeldColumns melds = CountMeldColumns(state.PlayerMelds, table.layout);
    for (int column = kRankThree + 1; column < kColumns; ++column) {
        if (melds.naturals[column] < melds.wilds[column]) return kRejectTooManyWildcards;
    }

    // Black threes only go down as the last cards, at least three of them.
    const int blackThrees = melds.blackThrees;
    const bool threesOk = handEmpty ? blackThrees == 0 || blackThrees >= 3 : blackThrees == 0;
    if (!threesOk) return kRejectBlackThrees;

    const int wildColumn = state.PlayerMeldCount[kRankDeuce];
    if (wildColumn > 0 && wildColumn < 7) return kRejectWildCanasta;
    return {};
}

}  // namespace

bool MeldsValid(Table& table) {
    const std::string failure = FirstMeldFailure(table);
    if (failure.empty()) return true;
    table.state.RejectReason = failure;
    return false;
}

bool MeldsValidForDiscard(Table& table) {
    if (!MeldsValid(table)) return false;
    if (!table.state.TopCardPending) return true;
    table.state.RejectReason = kRejectTopCard;
    return false;
}

void UpdateBlackThreesAllowed(Table& table) {
    GameState& state = table.state;
    table.CountColumns();
    if (state.BlackThreesAllowed) return;
    const int threes = state.PlayerHandCount[kRankThree];
    const int others = state.PlayerHand.count - threes;
    if (state.PlayerTally.canastaCount >= state.Rules.NumberOfCanastas && threes >= 3 &&
        others <= 1) {
        state.BlackThreesAllowed = 1;
    }
}

}  // namespace tavolex
