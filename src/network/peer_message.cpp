#include "network/peer_message.h"

#include <algorithm>
#include <charconv>

#include "game/card_pile.h"
#include "game/peer_codes.h"
#include "game/peer_link.h"

namespace tavolex {

namespace {

// Nicknames and chat lines.
constexpr size_t kMaxTextLength = 255;
constexpr size_t kDealLength = 1 + kMaxPile;

bool HasNoParameters(std::string_view parameters) {
    return parameters.empty();
}

// Cuts exactly `count` fields off the parameters; none when there are more or fewer.
std::optional<std::vector<std::string_view>> SplitFields(std::string_view parameters,
                                                         size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() < count) {
        const bool last = fields.size() + 1 == count;
        const size_t end = parameters.find(kFieldSeparator);
        if (last != (end == std::string_view::npos)) return std::nullopt;
        fields.push_back(NextField(parameters));
    }
    return fields;
}

std::optional<uint8_t> CardIdField(std::string_view field) {
    const std::optional<int32_t> id = DecimalField(field, 1, kJokerId);
    if (!id) return std::nullopt;
    return static_cast<uint8_t>(*id);
}

// Fills in the fields of a token that has parameters; false when one of them is bad.
bool DecodeParameters(PeerMessage& message, std::string_view parameters) {
    switch (message.token) {
        case kTokenChat: {
            const auto fields = SplitFields(parameters, 1);
            if (!fields || (*fields)[0].size() > kMaxTextLength) return false;
            message.text = (*fields)[0];
            return true;
        }
        case kTokenPlayerId: {
            const auto fields = SplitFields(parameters, 2);
            if (!fields || (*fields)[0].size() > kMaxTextLength) return false;
            message.text = (*fields)[0];
            message.version = (*fields)[1];
            return true;
        }
        case kTokenDeal: {
            const std::optional<DealText> deal = DecodeDealString(parameters);
            if (deal) message.deal = *deal;
            return deal.has_value();
        }
        case kTokenMeld:
        case kTokenDiscard:
        case kTokenDiscardRedThree: {
            const std::optional<uint8_t> id = CardIdField(parameters);
            if (id) message.cardId = *id;
            return id.has_value();
        }
        case kTokenUndoMeld: {
            if (parameters.size() != 2) return false;
            const int id = static_cast<uint8_t>(parameters[0]) - kWireOffset;
            const int column = static_cast<uint8_t>(parameters[1]) - kWireOffset;
            if (id < 1 || id > kJokerId || column < 0 || column >= kColumns) return false;
            message.cardId = static_cast<uint8_t>(id);
            message.column = column;
            return true;
        }
        case kTokenMeldWildcard: {
            const auto fields = SplitFields(parameters, 2);
            if (!fields) return false;
            const std::optional<uint8_t> id = CardIdField((*fields)[0]);
            const std::optional<int32_t> column = DecimalField((*fields)[1], 0, kColumns - 1);
            if (!id || !column) return false;
            message.cardId = *id;
            message.column = *column;
            return true;
        }
        case kTokenRules: {
            const std::optional<RuleOptions> rules = DecodeRulesString(parameters);
            if (rules) message.rules = *rules;
            return rules.has_value();
        }
        case kTokenLoadGame: {
            std::optional<LoadGameText> game = DecodeLoadGame(parameters);
            if (game) message.game = std::move(*game);
            return game.has_value();
        }
        default:
            return HasNoParameters(parameters);
    }
}

}  // namespace

const std::array<std::string_view, kTokenWordCount> kTokenWords = {
    "OK",          "SENDAGAIN",    "QUIT",     "CHAT",         "PLAYERID",
    "DEAL",        "MELD",         "UN",       "DISCARD",      "DRAWNEW",
    "DRAWPILETOP", "DRAWPILEREST", "UNDOPILE", "MELDWILDCARD", "DISCARDREDTHREE",
    "PASSDISCARD", "RULES",        "NEWGAME",  "HANDOVER",     "UNKNOWN",
    "LOADGAME"};

int TokenIndex(std::string_view word) {
    for (int index = 0; index < kTokenWordCount; ++index) {
        if (index != kTokenUnknown && kTokenWords[index] == word) return index;
    }
    return kTokenUnknown;
}

std::string FrameMessage(int token, std::string_view parameters) {
    std::string message(kTokenWords[token]);
    message += kFieldSeparator;
    message += parameters;
    message += kMessageEnd;
    return message;
}

std::string_view NextField(std::string_view& text) {
    const size_t end = text.find_first_of(std::string_view{"\xFE\xFF", 2});
    const std::string_view field = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    return field;
}

std::optional<int32_t> DecimalField(std::string_view field, int32_t low, int32_t high) {
    const bool negative = !field.empty() && field.front() == '-';
    const std::string_view digits = negative ? field.substr(1) : field;
    if (digits.empty() || (negative && low >= 0) ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc{} || end != field.data() + field.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<WireCard> DecodeCardCode(char code) {
    const int value = static_cast<uint8_t>(code) - kWireOffset;
    if (value < 0) return std::nullopt;
    WireCard card;
    card.deck = (value & kSecondDeckBit) ? 1 : 0;
    const int cardId = value & ~kSecondDeckBit;
    if (cardId < 1 || cardId > kJokerId) return std::nullopt;
    card.cardId = static_cast<uint8_t>(cardId);
    return card;
}

std::optional<DealText> DecodeDealString(std::string_view text) {
    if (text.size() != kDealLength || (text[0] != '0' && text[0] != '1')) return std::nullopt;
    DealText deal;
    deal.dealerStartsFirst = text[0] == '1';
    std::array<bool, kMaxPile> taken{};
    for (int card = 0; card < kMaxPile; ++card) {
        const int slot = static_cast<uint8_t>(text[1 + card]) - kWireOffset;
        if (slot < 0 || slot >= kMaxPile || taken[slot]) return std::nullopt;
        taken[slot] = true;
        deal.slots[card] = static_cast<uint8_t>(slot);
    }
    return deal;
}

std::optional<RuleOptions> DecodeRulesString(std::string_view text) {
    const auto fields = SplitFields(text, kRuleFieldCount);
    if (!fields) return std::nullopt;
    RuleFields values{};
    for (int field = 0; field < kRuleFieldCount; ++field) {
        const std::string_view word = (*fields)[field];
        if (IsCountField(field)) {
            const std::optional<int32_t> count = DecimalField(word, 1, 2);
            if (!count) return std::nullopt;
            values[field] = *count;
        } else if (word == "T" || word == "F") {
            values[field] = word == "T";
        } else {
            return std::nullopt;
        }
    }
    return RulesFromFields(values);
}

DecodedMessage DecodePeerMessage(std::string_view message) {
    const std::string whole(message);
    if (message.empty() || message.back() != kMessageEnd) return {{}, "Invalid message: " + whole};
    message.remove_suffix(1);
    std::string_view parameters = message;
    PeerMessage decoded;
    decoded.token = TokenIndex(NextField(parameters));
    if (decoded.token == kTokenUnknown) return {{}, "Unknown token: " + whole};
    if (parameters.find(kMessageEnd) != std::string_view::npos ||
        !DecodeParameters(decoded, parameters)) {
        return {{}, "Invalid message: " + whole};
    }
    return {std::move(decoded), {}};
}

}  // namespace tavolex
