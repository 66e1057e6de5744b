// Peer messages: a token word, 0xFE, fields separated by 0xFE, and 0xFF. Decoding checks every
// field before anything uses it and reports a bad message instead of guessing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"
#include "game/peer_link.h"
#include "game/rule_options.h"

namespace tavolex {

constexpr char kMessageEnd = static_cast<char>(0xFF);
constexpr int kTokenWordCount = 21;
// The index of a word that is not in the table.
constexpr int kTokenUnknown = 19;

extern const std::array<std::string_view, kTokenWordCount> kTokenWords;

// The table index of a word (exact, case-sensitive), kTokenUnknown for any other word.
int TokenIndex(std::string_view word);

// The whole message for a token and its parameter text.
std::string FrameMessage(int token, std::string_view parameters);

// Cuts the text up to the first 0xFE or 0xFF (dropped) off the front of the text; without
// either byte the field is the whole text.
std::string_view NextField(std::string_view& text);

// A decimal field: an optional minus (only when low is negative) and digits, within low..high.
std::optional<int32_t> DecimalField(std::string_view field, int32_t low, int32_t high);

struct WireCard {
    uint8_t cardId = 0;
    uint8_t deck = 0;
    int column = -1;  // a wild card's meld column in a loaded game; -1 otherwise
    bool operator==(const WireCard&) const = default;
};

// The card of a one-character code; none for a code outside the two decks.
std::optional<WireCard> DecodeCardCode(char code);

// The deal: whether the dealer's player draws first, and the stock slot of each card in the
// fixed order (first deck suit by suit, its jokers, then the second deck).
struct DealText {
    bool dealerStartsFirst = false;
    std::array<uint8_t, 108> slots{};
    bool operator==(const DealText&) const = default;
};
std::optional<DealText> DecodeDealString(std::string_view text);

// The thirteen fields of a rules text; none unless each is valid and nothing follows.
std::optional<RuleOptions> DecodeRulesString(std::string_view text);

// A loaded game as the loading side sends it: nine piles, three tallies and the turn numbers
// (pile frozen, prompt, opponent phase, meld value, player score, opponent score).
struct LoadGameText {
    std::array<std::vector<WireCard>, 9> piles;
    std::array<MeldTally, 3> tallies;
    std::array<int32_t, 6> turn{};
    bool operator==(const LoadGameText&) const = default;
};
std::optional<LoadGameText> DecodeLoadGame(std::string_view text);

// One received message, decoded. Only the fields of its token are set.
struct PeerMessage {
    int token = kTokenUnknown;
    std::string text;     // CHAT line; PLAYERID nickname
    std::string version;  // PLAYERID
    uint8_t cardId = 0;   // MELD, UN, DISCARD, MELDWILDCARD, DISCARDREDTHREE
    int column = 0;       // UN, MELDWILDCARD
    DealText deal;
    RuleOptions rules;
    LoadGameText game;
};

struct DecodedMessage {
    std::optional<PeerMessage> message;
    // "Unknown token: " or "Invalid message: " followed by the message, when it was refused.
    std::string error;
};

// Decodes one whole message, from its token up to and including its 0xFF.
DecodedMessage DecodePeerMessage(std::string_view message);

}  // namespace tavolex
