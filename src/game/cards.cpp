#include "game/cards.h"

#include <array>

namespace tavolex {

namespace {
constexpr std::array<const char*, kSuits> kSuitWords = {"spade", "club", "diamond", "heart"};
constexpr std::array<const char*, kFaces> kFaceTexts = {"2", "3", "4",  "5", "6", "7", "8",
                                                        "9", "10", "b", "v", "h", "a"};
}  // namespace

uint8_t RankOf(uint8_t cardId) {
    if (cardId == kJokerId) return kRankJoker;
    const int rank = cardId % 13;
    return static_cast<uint8_t>(rank == 0 ? 13 : rank);
}

int32_t PointsOf(uint8_t cardId) {
    const uint8_t rank = RankOf(cardId);
    if (rank == kRankJoker) return 50;
    if (rank == kRankDeuce || rank == kRankAce) return 20;
    if (rank >= 7) return 10;
    if (rank >= 3) return 5;
    return IsRedThree(cardId) ? 0 : 5;
}

NamedCard CardName(int suit, int face) {
    return {std::string(kSuitWords[suit]) + kFaceTexts[face],
            static_cast<uint8_t>(suit * 13 + face + 1)};
}

std::string CardNameOf(uint8_t cardId) {
    if (cardId == kJokerId) return "joker";
    if (cardId < 1 || cardId > 52) return "?";
    return CardName((cardId - 1) / 13, (cardId - 1) % 13).name;
}

std::optional<uint8_t> CardIdFromName(const std::string& name) {
    if (name == "joker") return kJokerId;
    for (int suit = 0; suit < kSuits; ++suit)
        for (int face = 0; face < kFaces; ++face) {
            NamedCard card = CardName(suit, face);
            if (card.name == name) return card.cardId;
        }
    return std::nullopt;
}

CardRecord MakeCard(uint8_t cardId, uint8_t deck) {
    CardRecord card;
    card.cardId = cardId;
    card.rank = RankOf(cardId);
    card.points = PointsOf(cardId);
    card.deck = deck;
    return card;
}

}  // namespace tavolex
