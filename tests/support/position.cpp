#include "position.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "game/melds.h"
#include "game/table_invariants.h"

namespace tavolex::test {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// Hands out each card's copies deck by deck.
class Pack {
public:
    CardRecord Take(const std::string& name) {
        const auto id = CardIdFromName(name);
        if (!id) throw std::invalid_argument("unknown card name: " + name);
        const int copies = *id == kJokerId ? 4 : 2;
        int& used = used_[*id];
        if (used >= copies) throw std::invalid_argument("too many copies of " + name);
        const uint8_t deck = static_cast<uint8_t>(*id == kJokerId ? used / 2 : used);
        ++used;
        CardRecord card = MakeCard(*id, deck);
        card.faceUp = 1;
        return card;
    }
    std::vector<CardRecord> Rest() {
        std::vector<CardRecord> rest;
        for (uint8_t id = 1; id <= kJokerId; ++id)
            while (used_[id] < (id == kJokerId ? 4 : 2)) rest.push_back(Take(CardNameOf(id)));
        return rest;
    }

private:
    std::array<int, 54> used_{};
};

void BuildHand(Pack& pack, CardPile& hand, const std::string& text) {
    for (const std::string& name : Words(text)) {
        CardRecord card = pack.Take(name);
        PlaceInColumn(hand, true, false, card);
        PushCard(hand, card);
    }
}

int ColumnOfGroup(const std::vector<CardRecord>& group) {
    for (const CardRecord& card : group)
        if (!IsWildRank(card.rank)) return card.rank;
    return kRankDeuce;
}

void BuildMelds(Table& table, Pack& pack, CardPile& melds, bool playerSide,
                const std::string& text) {
    for (const std::string& columnText : Split(text, '|')) {
        std::vector<CardRecord> group;
        for (const std::string& name : Words(columnText)) group.push_back(pack.Take(name));
        if (group.empty()) continue;
        const int column = ColumnOfGroup(group);
        for (CardRecord& card : group) {
            PlaceInColumnAt(melds, playerSide, false, column, card);
            PushCard(melds, card);
        }
        if (group.size() >= 7) SquareCanasta(table, melds, playerSide, column);
    }
}

void BuildOpponentHand(Pack& pack, GameState& state, const std::string& text) {
    for (const std::string& name : Words(text)) {
        CardRecord card = pack.Take(name);
        card.faceUp = state.OpponentFaceUp;
        card.x = 3 + state.HandOverlap * state.OpponentHand.count;
        card.y = 5;
        PushCard(state.OpponentHand, card);
    }
}

}  // namespace

void BuildPosition(Table& table, const Position& position) {
    const RuleOptions rules = table.state.Rules;
    table.state = GameState{};
    table.state.Rules = rules;
    table.undo.Clear();
    GameState& state = table.state;
    ResetColumnAnchors(state, table.layout);
    Pack pack;
    // Melds first: squaring a canasta plays sounds and repaints, which the test may ignore.
    BuildMelds(table, pack, state.PlayerMelds, true, position.playerMelds);
    BuildMelds(table, pack, state.OpponentMelds, false, position.opponentMelds);
    BuildHand(pack, state.PlayerHand, position.playerHand);
    BuildOpponentHand(pack, state, position.opponentHand);
    for (const std::string& name : Words(position.discardPile)) {
        CardRecord card = pack.Take(name);
        card.x = table.layout.LeftMargin;
        card.y = table.layout.DiscardTop;
        PushCard(state.DiscardPile, card);
    }
    std::vector<CardRecord> stockTop;
    for (const std::string& name : Words(position.stock)) stockTop.push_back(pack.Take(name));
    std::vector<CardRecord> stock = pack.Rest();
    stock.insert(stock.end(), stockTop.begin(), stockTop.end());
    for (CardRecord card : stock) {
        card.faceUp = 0;
        card.x = table.layout.LeftMargin;
        card.y = table.layout.StockTop;
        PushCard(state.Stock, card);
    }
    state.PlayerScore = position.playerScore;
    state.OpponentScore = position.opponentScore;
    state.PileFrozen = position.pileFrozen;
    state.PlayerMinimum = 50;
    state.GameInProgress = 1;
    state.OpponentMeldPoints = 0;
    for (const CardRecord& card : state.OpponentMelds)
        if (!IsRedThree(card.cardId)) state.OpponentMeldPoints += card.points;
    state.OpponentPhase = kOpponentIdle;
    state.PlayerLocked = 0;
    state.HasDrawn = position.playerHasDrawn;
    state.NothingDrawnYet = !position.playerHasDrawn;
    state.StockExhausted = state.Stock.Empty();
    SavePlayerTurn(state);
    table.SetPrompt(position.playerHasDrawn ? 1 : 0);
    table.CountColumns();
}

void BuildPosition(HeadlessGame& game, const Position& position) {
    BuildPosition(game.table, position);
    game.view = HeadlessTable{};
    game.sounds.events.clear();
}

std::string Names(const CardPile& pile) {
    std::string names;
    for (const CardRecord& card : pile) names += (names.empty() ? "" : " ") + CardNameOf(card.cardId);
    return names;
}

int IndexOf(const CardPile& pile, const std::string& name) {
    for (int i = 0; i < pile.count; ++i)
        if (CardNameOf(pile.cards[i].cardId) == name) return i;
    return -1;
}

std::string CheckPackInvariant(HeadlessGame& game) {
    return CheckTableInvariants(game.table);
}

std::vector<int> ColumnYs(const CardPile& melds, const TableLayout& layout, int column) {
    std::vector<int> ys;
    for (const CardRecord& card : melds)
        if (layout.ColumnOf(card.x) == column) ys.push_back(card.y);
    return ys;
}

}  // namespace tavolex::test
