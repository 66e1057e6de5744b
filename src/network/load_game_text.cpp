// The LOADGAME parameters: nine card segments, three tallies and the turn numbers. Wild cards
// in the anchored piles carry their column; the piles in play must hold exactly the pack.
#include <array>

#include "game/card_pile.h"
#include "game/peer_link.h"
#include "network/peer_message.h"

namespace tavolex {

namespace {

constexpr int kPileSegments = 9;
constexpr int kTallySegments = 3;
constexpr int kTallyNumbers = 1 + 2 * (kColumns - 1);
constexpr int kTurnNumbers = 6;
// From the sender's opponent melds on, a wild card is followed by its column and a space.
constexpr int kFirstAnchoredSegment = 4;
// The saved piles (discard pile, hand and melds before a pile take) are not in play.
constexpr std::array<bool, kPileSegments> kInPlay = {true, true, true,  false, true,
                                                     true, true, false, false};
constexpr int32_t kScoreLimit = 1'000'000;

// Numbers each followed by one space; none unless there are exactly `count`.
std::optional<std::vector<int32_t>> ReadNumbers(std::string_view text, size_t count, int32_t low,
                                                int32_t high) {
    std::vector<int32_t> numbers;
    while (!text.empty()) {
        const size_t end = text.find(' ');
        if (end == std::string_view::npos || numbers.size() == count) return std::nullopt;
        const std::optional<int32_t> number = DecimalField(text.substr(0, end), low, high);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        text.remove_prefix(end + 1);
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

std::optional<std::vector<WireCard>> ReadCards(std::string_view text, bool anchored) {
    std::vector<WireCard> cards;
    while (!text.empty()) {
        std::optional<WireCard> card = DecodeCardCode(text.front());
        if (!card || cards.size() == kMaxPile) return std::nullopt;
        text.remove_prefix(1);
        if (anchored && IsWildRank(RankOf(card->cardId))) {
            const size_t end = text.find(' ');
            if (end == std::string_view::npos) return std::nullopt;
            const std::optional<int32_t> column =
                DecimalField(text.substr(0, end), 0, kColumns - 1);
            if (!column) return std::nullopt;
            card->column = *column;
            text.remove_prefix(end + 1);
        }
        cards.push_back(*card);
    }
    return cards;
}

std::optional<MeldTally> ReadTally(std::string_view text) {
    const auto numbers = ReadNumbers(text, kTallyNumbers, 0, UINT8_MAX);
    if (!numbers || (*numbers)[0] >= kColumns) return std::nullopt;
    MeldTally tally;
    tally.canastaCount = (*numbers)[0];
    for (int column = 1; column < kColumns; ++column) {
        const int32_t kind = (*numbers)[column];
        if (kind > kWildCanasta) return std::nullopt;
        tally.CanastaKind[column] = static_cast<uint8_t>(kind);
        tally.NaturalCount[column] = static_cast<uint8_t>((*numbers)[kColumns - 1 + column]);
    }
    return tally;
}

// Every card of both decks once, the jokers twice each.
bool HoldsThePack(const LoadGameText& game) {
    std::array<std::array<int, kJokerId + 1>, 2> seen{};
    for (int segment = 0; segment < kPileSegments; ++segment) {
        if (!kInPlay[segment]) continue;
        for (const WireCard& card : game.piles[segment]) ++seen[card.deck][card.cardId];
    }
    for (const auto& deck : seen) {
        for (int cardId = 1; cardId <= kJokerId; ++cardId) {
            if (deck[cardId] != (cardId == kJokerId ? 2 : 1)) return false;
        }
    }
    return true;
}

}  // namespace

std::optional<LoadGameText> DecodeLoadGame(std::string_view text) {
    LoadGameText game;
    for (int segment = 0; segment < kPileSegments + kTallySegments; ++segment) {
        const size_t end = text.find(kFieldSeparator);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view field = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (segment < kPileSegments) {
            auto cards = ReadCards(field, segment >= kFirstAnchoredSegment);
            if (!cards) return std::nullopt;
            game.piles[segment] = std::move(*cards);
        } else {
            const std::optional<MeldTally> tally = ReadTally(field);
            if (!tally) return std::nullopt;
            game.tallies[segment - kPileSegments] = *tally;
        }
    }
    const auto turn = ReadNumbers(text, kTurnNumbers, -kScoreLimit, kScoreLimit);
    if (!turn || (*turn)[0] < 0 || (*turn)[0] > 1) return std::nullopt;
    std::copy(turn->begin(), turn->end(), game.turn.begin());
    if (!HoldsThePack(game)) return std::nullopt;
    return game;
}

}  // namespace tavolex
