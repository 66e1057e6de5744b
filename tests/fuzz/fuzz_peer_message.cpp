// Any bytes as one received peer message: the decoder must refuse them with a report or accept
// them with every field in range.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/card_pile.h"
#include "game/cards.h"
#include "network/peer_message.h"

namespace {

using namespace tavolex;

bool CardsInRange(const LoadGameText& game) {
    for (const auto& pile : game.piles) {
        if (pile.size() > kMaxPile) return false;
        for (const WireCard& card : pile) {
            if (card.cardId < 1 || card.cardId > kJokerId || card.deck > 1 ||
                card.column >= kColumns) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedMessage decoded = DecodePeerMessage(bytes);
    if (!decoded.message) {
        if (decoded.error.find(bytes) == std::string::npos) std::abort();
        return 0;
    }
    const PeerMessage& message = *decoded.message;
    if (message.token == kTokenUnknown || message.cardId > kJokerId || message.column < 0 ||
        message.column >= kColumns || !CardsInRange(message.game)) {
        std::abort();
    }
    return 0;
}
