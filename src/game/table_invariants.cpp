#include "game/table_invariants.h"

#include <array>
#include <numeric>

namespace tavolex {

namespace {

std::string CheckPack(const GameState& state) {
    const CardPile* const live[] = {&state.Stock,      &state.DiscardPile,   &state.OpponentHand,
                                    &state.PlayerHand, &state.OpponentMelds, &state.PlayerMelds};
    std::array<std::array<int, kJokerId + 1>, 2> seen{};
    int total = 0;
    for (const CardPile* pile : live) {
        for (const CardRecord& card : *pile) {
            if (card.cardId < 1 || card.cardId > kJokerId || card.deck > 1) {
                return "a card with id " + std::to_string(card.cardId) + " and deck " +
                       std::to_string(card.deck);
            }
            if (card.rank != RankOf(card.cardId) || card.points != PointsOf(card.cardId)) {
                return "the rank or points of " + CardNameOf(card.cardId) + " changed";
            }
            ++seen[card.deck][card.cardId];
            ++total;
        }
    }
    if (total != kMaxPile) return "the live piles hold " + std::to_string(total) + " cards";
    for (int deck = 0; deck < 2; ++deck) {
        for (uint8_t id = 1; id <= kJokerId; ++id) {
            const int expected = id == kJokerId ? 2 : 1;
            if (seen[deck][id] != expected) {
                return CardNameOf(id) + " of deck " + std::to_string(deck) + " lies in " +
                       std::to_string(seen[deck][id]) + " places";
            }
        }
    }
    return {};
}

// Threes lie in the threes' column and naturals in their own; wild cards join a natural meld or
// make the wild-card canasta.
bool FitsMeldColumn(const CardRecord& card, int column) {
    if (IsWildRank(card.rank)) return column == kRankDeuce || IsNaturalRank(column);
    return column == card.rank;
}

std::string CheckColumns(const GameState& state, const TableLayout& layout) {
    GameState recount = state;
    CountColumns(recount, layout);
    ColumnCounts byPlace{};
    for (const CardRecord& card : state.PlayerHand) {
        const int column = layout.ColumnOf(card.x);
        if (column < 0 || column >= kColumns) return CardNameOf(card.cardId) + " lies off the hand";
        ++byPlace[column];
    }
    if (byPlace != recount.PlayerHandCount) return "a hand card lies outside its rank's column";
    const std::pair<const CardPile*, const ColumnCounts*> melds[] = {
        {&state.PlayerMelds, &recount.PlayerMeldCount},
        {&state.OpponentMelds, &recount.OpponentMeldCount}};
    for (const auto& [pile, counts] : melds) {
        if (std::accumulate(counts->begin(), counts->end(), 0) != pile->count) {
            return "a meld card lies outside the meld columns";
        }
        for (const CardRecord& card : *pile) {
            if (!FitsMeldColumn(card, layout.ColumnOf(card.x))) {
                return CardNameOf(card.cardId) + " lies in meld column " +
                       std::to_string(layout.ColumnOf(card.x));
            }
        }
    }
    return {};
}

std::string CheckTally(const MeldTally& tally, const CardPile& melds, const TableLayout& layout,
                       const char* side) {
    if (tally.CanastaKind[0] != kNoCanasta) return std::string(side) + " has a jokers' canasta";
    int canastas = 0;
    for (int column = 1; column < kColumns; ++column) {
        if (tally.CanastaKind[column] == kNoCanasta) continue;
        ++canastas;
        const int cards = CountInColumn(melds, layout, column);
        if (cards < 7) {
            return std::string(side) + "'s canasta in column " + std::to_string(column) +
                   " holds " + std::to_string(cards) + " cards";
        }
    }
    if (canastas != tally.canastaCount) {
        return std::string(side) + "'s canasta count " + std::to_string(tally.canastaCount) +
               " disagrees with its " + std::to_string(canastas) + " squared columns";
    }
    return {};
}

}  // namespace

std::string CheckTableInvariants(const Table& table) {
    return CheckGameInvariants(table.state, table.layout);
}

std::string CheckGameInvariants(const GameState& state, const TableLayout& layout) {
    for (std::string broken :
         {CheckPack(state), CheckColumns(state, layout),
          CheckTally(state.PlayerTally, state.PlayerMelds, layout, "the player"),
          CheckTally(state.OpponentTally, state.OpponentMelds, layout, "the opponent")}) {
        if (!broken.empty()) return broken;
    }
    return {};
}

bool UnchangedByRefusal(GameState before, GameState after, const TableLayout& layout) {
    before.ErrorCode = after.ErrorCode;
    before.RejectReason = after.RejectReason;
    if (!before.GameInProgress) before.GameInProgress = after.GameInProgress;
    CountColumns(before, layout);
    CountColumns(after, layout);
    return before == after;
}

}  // namespace tavolex
