// Card identities, rank codes and point values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavolex {

// cardId 1..52 = suit x 13 + face + 1 (suit 0 spade, 1 club, 2 diamond, 3 heart;
// face 0..12 = 2, 3, ..., 10, jack, queen, king, ace); 53 is the joker.
constexpr uint8_t kJokerId = 53;
constexpr int kSuits = 4;
constexpr int kFaces = 13;

// Rank codes: 0 joker, 1 deuce, 2 three, 3..12 four to king, 13 ace.
constexpr uint8_t kRankJoker = 0;
constexpr uint8_t kRankDeuce = 1;
constexpr uint8_t kRankThree = 2;
constexpr uint8_t kRankAce = 13;
constexpr int kColumns = 14;

struct CardRecord {
    uint8_t cardId = 0;
    uint8_t rank = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t points = 0;
    uint8_t faceUp = 0;
    uint8_t deck = 0;

    bool operator==(const CardRecord&) const = default;
};

uint8_t RankOf(uint8_t cardId);
int32_t PointsOf(uint8_t cardId);

// The resource-style name of a card ("heartb", "spade10", "joker") and its cardId.
struct NamedCard {
    std::string name;
    uint8_t cardId;
};
NamedCard CardName(int suit, int face);
std::string CardNameOf(uint8_t cardId);
std::optional<uint8_t> CardIdFromName(const std::string& name);

// A fresh card record (not yet placed) for a cardId and deck.
CardRecord MakeCard(uint8_t cardId, uint8_t deck);

inline bool IsWildRank(int rank) { return rank < kRankThree; }
inline bool IsNaturalRank(int rank) { return rank > kRankThree; }
inline bool IsRedThree(uint8_t cardId) { return cardId == 28 || cardId == 41; }
inline bool IsBlackThree(uint8_t cardId) { return cardId == 2 || cardId == 15; }
inline bool IsBlackSuit(uint8_t cardId) { return cardId >= 1 && cardId <= 26; }
inline bool IsRedSuit(uint8_t cardId) { return cardId >= 27 && cardId <= 52; }

}  // namespace tavolex
